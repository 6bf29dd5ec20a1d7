#include "core/handicap/handicap_computation.h"
#include "core/handicap/round_working.h"
#include "core/handicap/tee_course_handicap.h"
#include "core/handicap/tenths_text.h"
#include "tests/core/handicap_rounds.h"

#include <QtTest>

using namespace handicap;
using namespace handicap_rounds;

namespace {

struct OddRound
{
    bool eighteenHoles, everyHolePlayed, withDetails;
    QString teeName;
    QDate playedOn;
    QString course;
    int strokeIndexOfHole18;
};

} // namespace

// The index, round by round, against figures worked out by hand. Unless a case
// says otherwise every round is on Oak Links from the white tee (72.0 / 113,
// par 72), so a differential is the adjusted gross minus 72.
class HandicapComputationTest : public QObject
{
    Q_OBJECT

private:
    static const RoundOutcome &byRecord(const HandicapResult &result, qint64 recordNo)
    {
        const auto found = std::find_if(result.rounds.begin(), result.rounds.end(),
                                        [recordNo](const RoundOutcome &r) { return r.round.recordNo == recordNo; });
        Q_ASSERT(found != result.rounds.end());
        return *found;
    }

private Q_SLOTS:
    void indexFromRecentDifferentials_data()
    {
        QTest::addColumn<QList<int>>("overPar");
        QTest::addColumn<std::optional<int>>("index");
        QTest::addColumn<QList<int>>("used");
        QTest::addColumn<std::optional<int>>("lowIndex");
        const auto row
            = [](const char *name, const QList<int> &overPar, std::optional<int> index, const QList<int> &used,
                 std::optional<int> lowIndex = {}) { QTest::newRow(name) << overPar << index << used << lowIndex; };
        row("2 rounds: no index", {10, 12}, {}, {});
        row("3 rounds", {10, 12, 14}, 80, {1}); // lowest 10, less 2.0
        row("4 rounds", {10, 12, 14, 11}, 90, {1}); // lowest 10, less 1.0
        row("5 rounds", {10, 12, 14, 11, 13}, 100, {1});
        // Lowest two of six: 9 (round 6) and 10 (round 1) average 9.5, less 1.0.
        row("6 rounds", {10, 12, 14, 11, 13, 9}, 85, {1, 6});
        row("8 rounds", {10, 12, 14, 11, 13, 9, 15, 16}, 95, {1, 6});

        // The index after each round, by hand:
        //  r3 9-2=7.0  r4 9-1=8.0  r5 9.0  r6 (9+11)/2-1=9.0  r7-8 (9+10)/2=9.5  r9 (9+10+11)/3=10.0
        //  r10-11 (8+9+10)/3=9.0  r12-14 (8+9+10+11)/4=9.5  r15-16 (8+9+10+11+11)/5=9.8
        //  r17-18 (8+9+9+10+11+11)/6=9.67->9.7  r19 (8+9+9+10+11+11+12)/7=10.0
        //  r20: lowest eight 8 9 9 10 10 11 11 12 = 80/8 = 10.0. Of the two 12s (r1, r12) the earlier is used.
        // Low index: 7.0 after r3; 10.0 - 7.0 = 3.0 is not above 3.0, so no cap.
        const QList<int> twenty {12, 15, 9, 14, 11, 16, 10, 13, 18, 8, 17, 12, 19, 11, 20, 14, 9, 15, 13, 10};
        row("20 rounds", twenty, 100, {1, 3, 5, 7, 10, 14, 17, 20}, 70);
        // r21 (16): r2..r21 lowest eight 8 9 9 10 10 11 11 12 = 10.0; r22 (12): 10.0
        // r23 (8): r4..r23 lowest eight 8 8 9 10 10 11 11 12 = 79/8 = 9.875 -> 9.9; r24 (17) 9.9
        // r25 (11): r6..r25: 8 (r10) 8 (r23) 9 (r17) 10 (r7) 10 (r20) 11 (r14) 11 (r25) 12 (r12, before r22) = 9.9.
        // The low index is still 7.0 (after r3, within the year).
        row("25 rounds", twenty + QList<int> {16, 12, 8, 17, 11}, 99, {7, 10, 12, 14, 17, 20, 23, 25}, 70);
    }

    void indexFromRecentDifferentials()
    {
        QFETCH(QList<int>, overPar);
        QFETCH(std::optional<int>, index);
        QFETCH(QList<int>, used);
        QFETCH(std::optional<int>, lowIndex);

        const HandicapResult result = computeHandicap(onOakLinks(dailyRounds(overPar)));

        QCOMPARE(result.index, index);
        QList<int> usedRecords;
        for (const RoundOutcome &round : result.rounds) {
            if (round.used) {
                usedRecords.append(int(round.round.recordNo));
            }
        }
        QCOMPARE(usedRecords, used);
        QCOMPARE(result.lowIndex, lowIndex);
        QVERIFY(std::all_of(result.rounds.begin(), result.rounds.end(),
                            [](const RoundOutcome &r) { return r.reduction == 0 && r.cap == Cap::None; }));
    }

    // Ratings read as text to the tenth, half away from zero; indexes shown with "+" below scratch.
    void tenthsText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<std::optional<int>>("tenths");
        QTest::addColumn<QString>("shown"); // indexText of the tenths
        QTest::newRow("handicap, blanks around") << " 12.3 " << std::optional(123) << "12.3";
        QTest::newRow("whole") << "72" << std::optional(720) << "72.0";
        QTest::newRow("below one") << ".5" << std::optional(5) << "0.5";
        QTest::newRow("plus below one, negative half") << "-0.45" << std::optional(-5) << "+0.5";
        QTest::newRow("half of a tenth") << "71.35" << std::optional(714) << "71.4";
        QTest::newRow("under half of a tenth") << "71.349" << std::optional(713) << "71.3";
        QTest::newRow("exponent") << "7e1" << std::optional<int>() << "";
        QTest::newRow("point alone") << "." << std::optional<int>() << "";
    }

    void tenthsText()
    {
        QFETCH(QString, text);
        QFETCH(std::optional<int>, tenths);
        QFETCH(QString, shown);
        QCOMPARE(tenthsFromText(text), tenths);
        QCOMPARE(tenths ? indexText(*tenths) : QString(), shown);
    }

    // Index x slope / 113 + (course rating - par), half away from zero, from the rating of the tee played.
    void courseHandicap_data()
    {
        QTest::addColumn<std::optional<int>>("index");
        QTest::addColumn<QString>("teeName");
        QTest::addColumn<QString>("shown"); // "": none
        const auto row = [](const char *name, std::optional<int> index, const char *teeName, const char *shown) {
            QTest::newRow(name) << index << QString(teeName) << QString(shown);
        };
        // 12.3 x 130 / 113 = 14.1504; - 0.7 = 13.45 -> 13
        row("12.3 on 71.3 / 130", 123, "white", "13");
        // 11.3 x 120 / 113 = 12.0 exactly; + 0.5 = 12.5 -> 13
        row("half away from zero", 113, "blue", "13");
        // -12.0 - 0.5 = -12.5 -> -13, a plus handicap
        row("plus, half away from zero", -113, "red", "+13");
        // 0 + (70.4 - 72) = -1.6 -> -2
        row("scratch on an easy course", 0, "gold", "+2");
        row("no index", std::nullopt, "white", "");
        row("unrated tee", 123, "green", "");
    }

    void courseHandicap()
    {
        QFETCH(std::optional<int>, index);
        QFETCH(QString, teeName);
        QFETCH(QString, shown);
        const std::vector<RatedTee> tees {tee("white", 713, 130), tee("blue", 725, 120), tee("red", 715, 120),
                                          tee("gold", 704)};
        const std::optional<int> handicap = teeCourseHandicap(index, tees, teeName, 72);
        QCOMPARE(handicap ? courseHandicapText(*handicap) : QString(), shown);
    }

    void holeMaximum_data()
    {
        QTest::addColumn<std::optional<int>>("courseHandicap");
        QTest::addColumn<int>("strokeIndex");
        QTest::addColumn<int>("par");
        QTest::addColumn<int>("maximum");
        // CH 20 = one stroke on every hole and a second on stroke index 1 and 2.
        QTest::newRow("CH 20, index 2") << std::optional(20) << 2 << 4 << 8;
        QTest::newRow("CH 20, index 3") << std::optional(20) << 3 << 4 << 7;
        // CH 38 = two strokes everywhere and a third on index 1 and 2.
        QTest::newRow("CH 38, index 2, par 5") << std::optional(38) << 2 << 5 << 10;
        QTest::newRow("CH 38, index 3") << std::optional(38) << 3 << 4 << 8;
        // CH -2 gives back a stroke on index 17 and 18: par + 1.
        QTest::newRow("CH -2, index 16") << std::optional(-2) << 16 << 4 << 6;
        QTest::newRow("CH -2, index 17") << std::optional(-2) << 17 << 4 << 5;
    }

    void holeMaximum()
    {
        QFETCH(std::optional<int>, courseHandicap);
        QFETCH(int, strokeIndex);
        QFETCH(int, par);
        QFETCH(int, maximum);
        const HoleValues maxima = holeMaxima(courseHandicap, everyHole(par), oakLinks().strokeIndex);
        QCOMPARE(maxima[strokeIndex - 1], maximum); // on Oak Links hole n has stroke index n
    }

    void differential_data()
    {
        QTest::addColumn<int>("gross");
        QTest::addColumn<int>("rating");
        QTest::addColumn<int>("slope");
        QTest::addColumn<int>("pcc");
        QTest::addColumn<int>("differential");
        // 113 / 100 x 25.0 = 28.25 exactly -> 28.3 (in doubles it is 28.2499...)
        QTest::newRow("28.25 is 28.3") << 97 << 720 << 100 << 0 << 283;
        QTest::newRow("-28.25 is -28.3") << 47 << 720 << 100 << 0 << -283;
        // 113 x 18.7 / 130 = 2113.1 / 130 = 16.254 -> 16.3
        QTest::newRow("71.3 / 130") << 90 << 713 << 130 << 0 << 163;
        // (95 - 70.2 - 3) x 113 / 125 = 21.8 x 0.904 = 19.707 -> 19.7
        QTest::newRow("PCC 3 on 70.2 / 125") << 95 << 702 << 125 << 3 << 197;
    }

    void differential()
    {
        QFETCH(int, gross);
        QFETCH(int, rating);
        QFETCH(int, slope);
        QFETCH(int, pcc);
        QFETCH(int, differential);

        const Round played = round(1, strokesForGross(gross), QDate(2024, 5, 1), "white", pcc);
        const HandicapResult result = computeHandicap(onOakLinks({played}, {tee("white", rating, slope)}));

        QCOMPARE(result.rounds.front().differential(), differential);
    }

    void parPlusFiveBeforeAnIndexNetDoubleBogeyAfter()
    {
        // Rounds 1 and 4: fours with an 11 on hole 5 (par 4, stroke index 5), gross 79.
        HoleValues eleventh = everyHole(4);
        eleventh[4] = 11;
        const std::vector<Round> rounds {
            round(1, eleventh, QDate(2024, 4, 1)), round(2, strokesForGross(84), QDate(2024, 4, 2)),
            round(3, strokesForGross(86), QDate(2024, 4, 3)), round(4, eleventh, QDate(2024, 4, 4))};

        const HandicapResult result = computeHandicap(onOakLinks(rounds));

        // Round 1, no index: hole 5 counts par + 5 = 9; 79 - 2 = 77; differential 5.0.
        QCOMPARE(byRecord(result, 1).differential(), 50);
        // After 5, 12, 14 the index is 5.0 - 2.0 = 3.0, so CH 3: index 5 gets no stroke,
        // hole 5 counts 4 + 2 = 6; 79 - 5 = 74.
        const RoundOutcome &fourth = byRecord(result, 4);
        QCOMPARE(fourth.courseHandicap, std::optional(3));
        QCOMPARE(fourth.adjustedGross, 74);
    }

    void plusHandicap()
    {
        // Round 4: threes on holes 1-6, fours on 7-15, sixes on 16-18: gross 72.
        HoleValues fourth = everyHole(4);
        std::fill(fourth.begin(), fourth.begin() + 6, 3);
        std::fill(fourth.begin() + 15, fourth.end(), 6);
        std::vector<Round> rounds = dailyRounds({-1, 0, 1});
        rounds.push_back(round(4, fourth, QDate(2024, 1, 4)));

        const HandicapResult result = computeHandicap(onOakLinks(rounds));

        // After -1, 0, 1 the index is -1.0 - 2.0 = +3.0; CH -3 gives back a stroke on
        // stroke index 16-18, which then count par + 1 = 5: 72 - 3 = 69 (differential -3.0).
        const RoundOutcome &last = byRecord(result, 4);
        QCOMPARE(last.courseHandicap, std::optional(-3));
        QCOMPARE(last.adjustedGross, 69);
        // Lowest of four is -3.0, less 1.0: +4.0.
        QCOMPARE(result.index, std::optional(-40));
    }

    // One round a day, the given strokes over 72; the last from the white (72.0) or the blue (71.9) tee.
    void exceptionalScore_data()
    {
        QTest::addColumn<QList<int>>("overPar");
        QTest::addColumn<QString>("lastTee");
        QTest::addColumn<int>("reduction"); // of the last round
        QTest::addColumn<QList<int>>("differentials");
        QTest::addColumn<int>("index");
        // Rounds 1-3: 10, 12, 14, index 8.0.
        // 73 - 71.9 = 1.1; 8.0 - 1.1 = 6.9: nothing; index 1.1 - 1.0 = 0.1.
        QTest::newRow("6.9 below") << QList<int> {10, 12, 14, 1} << "blue" << 0 << QList<int> {100, 120, 140, 11} << 1;
        // 72 - 71.9 = 0.1; 7.9 below: every differential 1.0 lower; -0.9 - 1.0 = +1.9.
        QTest::newRow("7.9 below") << QList<int> {10, 12, 14, 0} << "blue" << 10 << QList<int> {90, 110, 130, -9}
                                   << -19;
        // 70 - 72 = -2.0; 10.0 below: 2.0 lower; -4.0 - 1.0 = +5.0.
        QTest::newRow("10.0 below") << QList<int> {10, 12, 14, -2} << "white" << 20 << QList<int> {80, 100, 120, -40}
                                    << -50;
        // Round 4 at 1.0 is 7.0 below: all 1.0 lower, index 0.0 - 1.0 = +1.0; round 5 at -8.0
        // is again 7.0 below +1.0: all five 1.0 lower once more; lowest of five, no adjustment.
        QTest::newRow("twice") << QList<int> {10, 12, 14, 1, -8} << "white" << 10 << QList<int> {80, 100, 120, -10, -90}
                               << -90;
        // Twenty rounds of 20 (index 20.0), then a 10: 10.0 below, so rounds 2-21 are
        // 2.0 lower and round 1 is not. Index: 8.0 + 7 x 18.0 = 134 / 8 = 16.75 -> 16.8.
        QTest::newRow("only the recent twenty")
            << (QList<int>(20, 20) << 10) << "white" << 20 << (QList<int> {200} + QList<int>(19, 180) << 80) << 168;
    }

    void exceptionalScore()
    {
        QFETCH(QList<int>, overPar);
        QFETCH(QString, lastTee);
        QFETCH(int, reduction);
        QFETCH(QList<int>, differentials);
        QFETCH(int, index);

        std::vector<Round> rounds = dailyRounds(overPar);
        rounds.back().details->tee = lastTee;

        const HandicapResult result = computeHandicap(onOakLinks(rounds, {tee("white", 720), tee("blue", 719)}));

        QCOMPARE(byRecord(result, overPar.size()).exceptionalReduction, reduction);
        QList<int> finalDifferentials;
        for (const RoundOutcome &round : result.rounds) {
            finalDifferentials.append(round.differential());
        }
        QCOMPARE(finalDifferentials, differentials);
        QCOMPARE(result.index, std::optional(index));
    }

    void caps_data()
    {
        QTest::addColumn<int>("firstThree");
        QTest::addColumn<QDate>("fourthPlayed");
        QTest::addColumn<int>("uncapped");
        QTest::addColumn<int>("lowIndex");
        QTest::addColumn<Cap>("cap");
        QTest::addColumn<int>("index");

        // Rounds 1-3 at the first figure, 4-19 at 21, round 20 at 20, played on 30 June 2024.
        // First three 14: index after r3 12.0, r4 13.0, r5 14.0, r6 13.0, r7-11 14.0,
        // r12-14 (42+21)/4=15.75->15.8, r15-16 84/5=16.8, r17-18 105/6=17.5, r19 126/7=18.0,
        // r20 (42+20+84)/8 = 18.25 -> 18.3.
        // Low 12.0: 18.3 - 12.0 = 6.3; 12.0 + 3.0 + 3.3/2 = 16.65 (under 17.0) -> 16.7.
        QTest::newRow("soft cap") << 14 << QDate(2024, 5, 20) << 183 << 120 << Cap::Soft << 167;
        // Round 4 on 1 July 2023, 365 days before (2024 has 29 February): still in the
        // window, which opens with 12.0 in effect (after round 3, a month earlier).
        QTest::newRow("window opens on day 365") << 14 << QDate(2023, 7, 1) << 183 << 120 << Cap::Soft << 167;
        // Round 4 on 30 June 2023, 366 days before: the window opens with its 13.0 in
        // effect and the year after holds nothing lower. 18.3 - 13.0 = 5.3;
        // 13.0 + 3.0 + 2.3/2 = 17.15 -> 17.2.
        QTest::newRow("window opens after day 366") << 14 << QDate(2023, 6, 30) << 183 << 130 << Cap::Soft << 172;
        // First three 5: r3 3.0, r4 4.0, r5 5.0, r6 4.0, r7-11 5.0, r12-14 36/4=9.0, r15-16 57/5=11.4,
        // r17-18 78/6=13.0, r19 99/7=14.1, r20 (15+20+84)/8 = 14.875 -> 14.9.
        // Low 3.0: 3.0 + 3.0 + 8.9/2 = 10.45, above 3.0 + 5.0: 8.0.
        QTest::newRow("hard cap") << 5 << QDate(2024, 5, 20) << 149 << 30 << Cap::Hard << 80;
    }

    void caps()
    {
        QFETCH(int, firstThree);
        QFETCH(QDate, fourthPlayed);
        QFETCH(int, uncapped);
        QFETCH(int, lowIndex);
        QFETCH(Cap, cap);
        QFETCH(int, index);

        std::vector<Round> rounds;
        for (int r = 1; r <= 3; ++r) {
            rounds.push_back(round(r, strokesForGross(72 + firstThree), fourthPlayed.addDays(r - 31)));
        }
        rounds.push_back(round(4, strokesForGross(93), fourthPlayed));
        for (int r = 5; r <= 19; ++r) {
            rounds.push_back(round(r, strokesForGross(93), QDate(2024, 6, r - 4)));
        }
        rounds.push_back(round(20, strokesForGross(92), QDate(2024, 6, 30)));

        const HandicapResult result = computeHandicap(onOakLinks(rounds));

        const RoundOutcome &last = byRecord(result, 20);
        QCOMPARE(last.uncappedIndexAfter, std::optional(uncapped));
        QCOMPARE(last.lowIndex, std::optional(lowIndex));
        QCOMPARE(last.cap, cap);
        QCOMPARE(result.index, std::optional(index));
        QCOMPARE(byRecord(result, 19).lowIndex, std::optional<int>()); // caps start with the 20th round
    }

    // Round 4, on a course of its own, is odd in one way; where it has two faults the first reason given wins.
    void notCounted_data()
    {
        QTest::addColumn<OddRound>("odd");
        QTest::addColumn<QString>("reason");
        const QDate day(2024, 1, 2);
        QTest::newRow("counted") << OddRound {true, true, true, "white", day, "Odd Acre", 18} << "";
        QTest::newRow("nine holes") << OddRound {false, false, false, "white", day, "Odd Acre", 18} << "nine holes";
        QTest::newRow("hole not played") << OddRound {true, false, true, "red", day, "Odd Acre", 18}
                                         << "holes not played";
        QTest::newRow("tee not rated") << OddRound {true, true, true, "red", QDate(), "Odd Acre", 1} << "no tee rating";
        QTest::newRow("no details") << OddRound {true, true, false, "white", day, "Nowhere", 1} << "no date";
        QTest::newRow("stroke index 1 twice")
            << OddRound {true, true, true, "white", day, "Odd Acre", 1} << "hole handicaps incomplete";
    }

    void notCounted()
    {
        QFETCH(OddRound, odd);
        QFETCH(QString, reason);

        Course acre = oakLinks();
        acre.name = QStringLiteral("Odd Acre");
        acre.eighteenHoles = odd.eighteenHoles;
        acre.strokeIndex[17] = odd.strokeIndexOfHole18;
        Round played = round(4, strokesForGross(72), odd.playedOn, odd.teeName);
        played.course = odd.course;
        if (!odd.everyHolePlayed) {
            std::fill(played.strokes.begin() + 9, played.strokes.end(), 0);
        }
        if (!odd.withDetails) {
            played.details.reset();
        }
        // Three counted rounds on Oak Links around it: 10, 12, 14 make 8.0.
        std::vector<Round> rounds = dailyRounds({10, 12, 14});
        rounds.push_back(played);
        HandicapInputs inputs
            = onOakLinks(rounds, {tee("white", 720), {acre.name, "white", 720, 113}, {"Nowhere", "white", 720, 113}});
        inputs.courses.push_back(acre);

        const HandicapResult result = computeHandicap(inputs);

        const RoundOutcome &outcome = byRecord(result, 4);
        QCOMPARE(outcome.reason ? reasonText(*outcome.reason) : QString(), reason);
        QCOMPARE(outcome.used, reason.isEmpty());
        QCOMPARE(result.countedRounds, reason.isEmpty() ? 4 : 3);
    }

    void asOfLeavesOutLaterRoundsAndKeepsUndatedOnes()
    {
        // Record numbers out of day order; record 2 has no details, record 6 a hole not played.
        std::vector<Round> rounds {
            round(7, strokesForGross(82), QDate(2024, 3, 1)), round(3, strokesForGross(84), QDate(2024, 3, 2)),
            round(5, strokesForGross(86), QDate(2024, 3, 3)), round(1, strokesForGross(83), QDate(2024, 3, 4)),
            round(2, strokesForGross(80), QDate()),           round(6, everyHole(0), QDate(2024, 3, 3))};
        rounds[4].details.reset();

        const HandicapResult asOf = computeHandicap(onOakLinks(rounds), QDate(2024, 3, 3));
        const HandicapResult all = computeHandicap(onOakLinks(rounds));

        QList<qint64> listed;
        for (const RoundOutcome &r : asOf.rounds) {
            listed.append(r.round.recordNo);
        }
        // By day, then record number; the undated round last.
        QCOMPARE(listed, (QList<qint64> {7, 3, 5, 6, 2}));
        // 10, 12, 14: 8.0. With round 1 (11) as well: 10 - 1.0 = 9.0.
        QCOMPARE(asOf.index, std::optional(80));
        QCOMPARE(all.index, std::optional(90));
    }
};

QTEST_GUILESS_MAIN(HandicapComputationTest)
#include "tst_handicap_computation.moc"
