#include "core/records/round_layout.h"
#include "core/rules/statistics.h"
#include "core/scorebook/datgolf.h"
#include "core/scorebook/round_reading.h"
#include "core/scorebook/scorebook_file.h"
#include "tests/core/played_round.h"

#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

// The statistics of one golfer on one course: the figures from rounds in
// memory, and which stored rounds are read for them.
class StatisticsTest : public QObject
{
    Q_OBJECT

private:
    // The result classes in recap order.
    static QStringList classes()
    {
        return {"double eagle", "eagle", "birdie", "par", "bogey", "double bogey", "triple or more"};
    }
    static constexpr int ParClass = 3;

    // Every figure as one text, so a difference shows where it is.
    static QString figures(const Stats &stats)
    {
        QStringList parts;
        const auto add = [&parts](const char *name, auto first, auto last) {
            QStringList numbers;
            for (; first != last; ++first) {
                numbers.append(QString::number(*first));
            }
            parts.append(QString::fromLatin1(name) + QLatin1Char('=') + numbers.join(QLatin1Char(',')));
        };
        add("stroke_count", stats.stroke_count.begin() + Stats::FirstSlot, stats.stroke_count.end());
        add("stroke_total", stats.stroke_total.begin() + Stats::FirstSlot, stats.stroke_total.end());
        add("putt_count", stats.putt_count.begin() + Stats::FirstSlot, stats.putt_count.end());
        add("putt_total", stats.putt_total.begin() + Stats::FirstSlot, stats.putt_total.end());
        add("stroke_recap", stats.stroke_recap.begin(), stats.stroke_recap.end());
        add("putt_recap", stats.putt_recap.begin(), stats.putt_recap.end());
        parts.append(QStringLiteral("holes_in_one=%1").arg(stats.holes_in_one));
        return parts.join(QLatin1Char(' '));
    }

    static Stats statsOf(const QHash<QString, QString> &round) { return computeStats({asRound(round)}); }

    // A scorebook of the test's own, open on "rounds".
    struct Scorebook
    {
        QTemporaryDir dir;
        DataControl rounds;
        Scorebook()
        {
            const QString path = dir.filePath(QStringLiteral("teedat2000.mdb"));
            if (!scorebook::createEmpty(path).isEmpty()) {
                qFatal("no scorebook");
            }
            rounds.setDatabaseName(path);
            rounds.setRecordSource(QStringLiteral("rounds"));
            rounds.refresh();
        }
        void add(const QHash<QString, QString> &fields)
        {
            rounds.addNew();
            for (auto field = fields.cbegin(); field != fields.cend(); ++field) {
                rounds.setField(field.key(), field.value());
            }
            rounds.update();
        }
        QStringList datesRead(const QString &golfer, const QString &course)
        {
            QStringList dates;
            for (const Round &round : readRoundsPlayedBy(rounds, golfer, course)) {
                dates.append(round.date);
            }
            return dates;
        }
    };

private Q_SLOTS:
    void eachHoleIsClassifiedAgainstItsPar_data()
    {
        QTest::addColumn<int>("par");
        QTest::addColumn<int>("strokes");
        QTest::addColumn<QString>("resultClass");
        QTest::addColumn<bool>("parType");
        QTest::addColumn<int>("holesInOne");
        QTest::newRow("ace on a par 3 is an eagle") << 3 << 1 << "eagle" << true << 1;
        QTest::newRow("ace on a par 4") << 4 << 1 << "double eagle" << true << 1;
        QTest::newRow("ace on a par 5 is no triple bogey") << 5 << 1 << "double eagle" << true << 1;
        QTest::newRow("eagle") << 4 << 2 << "eagle" << true << 0;
        QTest::newRow("birdie") << 4 << 3 << "birdie" << true << 0;
        QTest::newRow("bogey") << 4 << 5 << "bogey" << true << 0;
        QTest::newRow("double bogey") << 4 << 6 << "double bogey" << true << 0;
        QTest::newRow("triple bogey") << 4 << 7 << "triple or more" << true << 0;
        QTest::newRow("par 6 is classified only") << 6 << 5 << "birdie" << false << 0;
        QTest::newRow("par 0 is classified only") << 0 << 3 << "triple or more" << false << 0;
        QTest::newRow("hole not played on a par 5") << 5 << 0 << "none" << false << 0;
    }
    void eachHoleIsClassifiedAgainstItsPar()
    {
        QFETCH(int, par);
        QFETCH(int, strokes);
        QFETCH(QString, resultClass);
        QFETCH(bool, parType);
        QFETCH(int, holesInOne);
        // Hole 5 of the front and hole 14 of the back nine carry the case; the
        // other holes are pars on par 4s with two putts.
        QList<int> pars = everyHole(4);
        QList<int> strokeList = everyHole(4);
        pars[4] = pars[13] = par;
        strokeList[4] = strokeList[13] = strokes;
        const Stats state
            = statsOf(playedRound(QStringLiteral("Ann"), QStringLiteral("Pine"), strokeList, pars, everyHole(2)));
        std::array<int, 7> expectedRecap {};
        expectedRecap[ParClass] = 16;
        if (resultClass != QLatin1String("none")) {
            expectedRecap.at(classes().indexOf(resultClass)) += 2;
        }
        QCOMPARE(state.stroke_recap, expectedRecap);
        QCOMPARE(state.putt_recap, expectedRecap);
        QCOMPARE(state.holes_in_one, 2 * holesInOne);
        const double caseHoles = parType ? 2 : 0;
        const double par4Holes = 16 + (par == 4 ? caseHoles : 0);
        QCOMPARE(state.stroke_count[4], par4Holes);
        QCOMPARE(state.stroke_total[4], 64 + (par == 4 ? 2.0 * strokes : 0));
        QCOMPARE(state.putt_count[4], par4Holes);
        if (par != 4) {
            const int slot = std::clamp(par, 3, 5);
            QCOMPARE(state.stroke_count[slot], par == slot ? caseHoles : 0);
            QCOMPARE(state.stroke_total[slot], par == slot ? caseHoles * strokes : 0);
            QCOMPARE(state.putt_total[slot], par == slot ? caseHoles * 2 : 0);
        }
        // Nine and round figures stay the stored totals.
        QCOMPARE(state.stroke_count[8], 1.0);
        QCOMPARE(state.stroke_total[8], 64.0 + 2 * strokes);
    }

    // Every hole is a par 4 in 4 strokes with 2 putts; one field is changed.
    void puttsCountOnlyBehindTheirGates_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("value");
        // Stroke holes, front, back and round counted, then the same for putts.
        QTest::addColumn<QList<int>>("counted");
        QTest::newRow("whole round") << QString() << QString() << QList<int> {18, 1, 1, 1, 18, 1, 1, 1};
        QTest::newRow("front strokes 0 drop its putt holes") << "f9"
                                                             << "0" << QList<int> {9, 0, 1, 1, 9, 1, 1, 1};
        QTest::newRow("back strokes 0 keep its putt holes") << "b9"
                                                            << "0" << QList<int> {9, 1, 0, 1, 18, 1, 1, 1};
        QTest::newRow("front putts 0") << "putf9"
                                       << "0" << QList<int> {18, 1, 1, 1, 9, 0, 1, 1};
        QTest::newRow("hole without putts") << "put3"
                                            << "0" << QList<int> {18, 1, 1, 1, 17, 1, 1, 1};
        QTest::newRow("round total 0") << "total"
                                       << "0" << QList<int> {18, 1, 1, 0, 18, 1, 1, 1};
    }
    void puttsCountOnlyBehindTheirGates()
    {
        QFETCH(QString, field);
        QFETCH(QString, value);
        QFETCH(QList<int>, counted);
        auto round
            = playedRound(QStringLiteral("Ann"), QStringLiteral("Pine"), everyHole(4), everyHole(4), everyHole(2));
        if (!field.isEmpty()) {
            round[field] = value;
        }
        const Stats stats = statsOf(round);
        QString expected;
        for (const auto &[series, first, hole] : {std::tuple {"stroke", 0, 4}, {"putt", 4, 2}}) {
            const int *c = counted.constData() + first;
            expected
                += QString::asprintf("%s_count=0,%d,0,%d,%d,%d %s_total=0,%d,0,%d,%d,%d ", series, c[0], c[1], c[2],
                                     c[3], series, c[0] * hole, c[1] * 9 * hole, c[2] * 9 * hole, c[3] * 18 * hole);
        }
        QCOMPARE(figures(stats).section(QLatin1Char(' '), 0, 3), expected.trimmed());
        QCOMPARE(stats.stroke_recap[ParClass], counted[0]);
        QCOMPARE(stats.putt_recap[ParClass], counted[4]);
    }

    void roundsSavedAfterOpeningAreRead()
    {
        Scorebook book;
        book.add(playedRound(QStringLiteral("Ann"), QStringLiteral("Pine"), everyHole(4), everyHole(4), {}));
        book.rounds.refresh();
        auto later = playedRound(QStringLiteral("Ann"), QStringLiteral("Pine"), everyHole(5), everyHole(4), {});
        later[QStringLiteral("date")] = QStringLiteral("later");
        DataControl other;
        other.setDatabaseName(book.rounds.databaseName());
        other.setRecordSource(QStringLiteral("rounds"));
        other.refresh();
        other.addNew();
        for (auto field = later.cbegin(); field != later.cend(); ++field) {
            other.setField(field.key(), field.value());
        }
        other.update();
        QCOMPARE(book.datesRead(QStringLiteral("Ann"), QStringLiteral("Pine")), (QStringList {"6/12/26", "later"}));
    }

    // Only the matching rounds are read; they must be exactly those a visit of every record finds,
    // odd names included, in table order. Stored names lose their blanks; chosen names do not.
    void readsWhatAVisitOfEveryRecordFinds()
    {
        Scorebook book;
        const QStringList golfers = {"Ann", " Ann  ", "ann", "Ann\t", "Bob", "  Bob", "O'Neil"};
        const QStringList courses = {"Pine", "Pine ", "PINE", "Oak", " Oak", "Pine \"Old\""};
        QRandomGenerator random(20260612);
        book.rounds.inTransaction([&] {
            for (int r = 0; r < 300; ++r) {
                book.add({{QStringLiteral("golfer_name"), golfers[random.bounded(int(golfers.size()))]},
                          {QStringLiteral("course_name"), courses[random.bounded(int(courses.size()))]},
                          {QStringLiteral("date"), QString::number(r)}});
            }
        });
        const QRegularExpression blanks(QStringLiteral("^ +| +$")); // only blanks are trimmed, not tabs
        for (const auto &[golfer, course] :
             {std::pair {"Ann", "Pine"}, std::pair {"Bob", "Oak"}, std::pair {"ann", "PINE"},
              std::pair {"Carl", "Pine"}, std::pair {" Ann", "Pine"}, std::pair {"O'Neil", "Pine \"Old\""}}) {
            QStringList visited;
            for (book.rounds.moveFirst(); !book.rounds.atEnd(); book.rounds.moveNext()) {
                if (book.rounds.field(QStringLiteral("course_name")).remove(blanks) == QLatin1String(course)
                    && book.rounds.field(QStringLiteral("golfer_name")).remove(blanks) == QLatin1String(golfer)) {
                    visited.append(book.rounds.field(QStringLiteral("date")));
                }
            }
            QVERIFY(!visited.isEmpty() || QLatin1String(golfer) == "Carl" || QLatin1String(golfer) == " Ann");
            QCOMPARE(book.datesRead(QString::fromLatin1(golfer), QString::fromLatin1(course)), visited);
        }
    }
};

QTEST_GUILESS_MAIN(StatisticsTest)
#include "tst_statistics.moc"
