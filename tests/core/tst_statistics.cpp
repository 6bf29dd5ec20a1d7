#include "core/rules/statistics.h"
#include "tests/core/played_round.h"

#include <QtTest>

// The statistics of one golfer on one course, from rounds in memory.
class StatisticsTest : public QObject
{
    Q_OBJECT

private:
    static Stats statsOf(const QHash<QString, QString> &round) { return computeStats({asRound(round)}); }

private Q_SLOTS:
    void eachHoleIsClassifiedAgainstItsPar_data()
    {
        QTest::addColumn<int>("par");
        QTest::addColumn<int>("strokes");
        QTest::addColumn<int>("resultClass"); // 0 double eagle, 1 eagle ... 3 par ... 6 triple or more; -1 none
        QTest::addColumn<bool>("parType");
        QTest::addColumn<int>("holesInOne");
        QTest::newRow("ace on a par 3 is an eagle") << 3 << 1 << 1 << true << 1;
        QTest::newRow("ace on a par 5 is no triple bogey") << 5 << 1 << 0 << true << 1;
        QTest::newRow("bogey") << 4 << 5 << 4 << true << 0;
        QTest::newRow("triple bogey") << 4 << 7 << 6 << true << 0;
        QTest::newRow("par 6 is classified only") << 6 << 5 << 2 << false << 0;
        QTest::newRow("par 0 is classified only") << 0 << 3 << 6 << false << 0;
        QTest::newRow("hole not played") << 5 << 0 << -1 << false << 0;
    }
    void eachHoleIsClassifiedAgainstItsPar()
    {
        QFETCH(int, par);
        QFETCH(int, strokes);
        QFETCH(int, resultClass);
        QFETCH(bool, parType);
        QFETCH(int, holesInOne);
        // Hole 5 of the front and hole 14 of the back nine carry the case; the
        // other holes are pars on par 4s with two putts.
        QList<int> pars = everyHole(4);
        QList<int> strokeList = everyHole(4);
        pars[4] = pars[13] = par;
        strokeList[4] = strokeList[13] = strokes;
        const Stats stats = statsOf(playedRound("Ann", "Pine", strokeList, pars, everyHole(2)));
        std::array<int, Stats::ResultClasses> recap {};
        recap[3] = 16;
        if (resultClass >= 0) {
            recap.at(resultClass) += 2;
        }
        QCOMPARE(stats.stroke_recap, recap);
        QCOMPARE(stats.putt_recap, recap);
        QCOMPARE(stats.holes_in_one, 2 * holesInOne);
        // The two holes go to the slot of a par of 3, 4 or 5 and to no slot otherwise.
        const int slot = std::clamp(par, 3, 5);
        const double caseHoles = parType && par == slot ? 2 : 0;
        const double background = slot == 4 ? 16 : 0;
        QCOMPARE(stats.stroke_count[slot], background + caseHoles);
        QCOMPARE(stats.stroke_total[slot], 4 * background + caseHoles * strokes);
        QCOMPARE(stats.putt_total[slot], 2 * background + caseHoles * 2);
    }

    // Every hole is a par 4 in 4 strokes with 2 putts; one field is set to 0.
    void puttsCountOnlyBehindTheirGates_data()
    {
        QTest::addColumn<QString>("field");
        // Stroke holes, front, back and round counted, then the same for putts.
        QTest::addColumn<QList<int>>("counted");
        QTest::newRow("whole round") << "" << QList<int> {18, 1, 1, 1, 18, 1, 1, 1};
        QTest::newRow("front strokes 0 drop its putt holes") << "f9" << QList<int> {9, 0, 1, 1, 9, 1, 1, 1};
        QTest::newRow("back strokes 0 keep its putt holes") << "b9" << QList<int> {9, 1, 0, 1, 18, 1, 1, 1};
        QTest::newRow("front putts 0") << "putf9" << QList<int> {18, 1, 1, 1, 9, 0, 1, 1};
        QTest::newRow("hole without putts") << "put3" << QList<int> {18, 1, 1, 1, 17, 1, 1, 1};
        QTest::newRow("round total 0") << "total" << QList<int> {18, 1, 1, 0, 18, 1, 1, 1};
    }
    void puttsCountOnlyBehindTheirGates()
    {
        QFETCH(QString, field);
        QFETCH(QList<int>, counted);
        auto round = playedRound("Ann", "Pine", everyHole(4), everyHole(4), everyHole(2));
        if (!field.isEmpty()) {
            round[field] = QStringLiteral("0");
        }
        const Stats stats = statsOf(round);
        // Par-4 holes, front nine, back nine, round; what one of them adds.
        const int slots[] = {4, 6, 7, 8};
        const double strokes[] = {4, 36, 36, 72};
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(stats.stroke_count[slots[i]], double(counted[i]));
            QCOMPARE(stats.stroke_total[slots[i]], counted[i] * strokes[i]);
            QCOMPARE(stats.putt_count[slots[i]], double(counted[4 + i]));
            QCOMPARE(stats.putt_total[slots[i]], counted[4 + i] * strokes[i] / 2);
        }
        QCOMPARE(stats.stroke_recap[3], counted[0]);
        QCOMPARE(stats.putt_recap[3], counted[4]);
    }
};

QTEST_GUILESS_MAIN(StatisticsTest)
#include "tst_statistics.moc"
