#include "core/records/resets.h"
#include "core/records/round_layout.h"
#include "core/scorebook/datgolf.h"
#include "stats/mod_stats.h"
#include "tests/stats/played_round.h"
#include "tests/support/test_program.h"

#include <QRandomGenerator>
#include <QRegularExpression>
#include <QtTest>

// The statistics engine over rounds stored through the data layer.
class StatsEngineTest : public QObject
{
    Q_OBJECT

private:
    // The result classes in recap order.
    static QStringList classes()
    {
        return {"double eagle", "eagle", "birdie", "par", "bogey", "double bogey", "triple or more"};
    }
    static constexpr int ParClass = 3;

    // Every accumulator as one text, so a difference shows where it is.
    static QString figures(const SharedState &state)
    {
        QStringList parts;
        const auto add = [&parts](const char *name, auto first, auto last) {
            QStringList numbers;
            for (; first != last; ++first) {
                numbers.append(QString::number(*first));
            }
            parts.append(QString::fromLatin1(name) + QLatin1Char('=') + numbers.join(QLatin1Char(',')));
        };
        add("stroke_count", state.stroke_count.begin() + SharedState::FirstSlot, state.stroke_count.end());
        add("stroke_total", state.stroke_total.begin() + SharedState::FirstSlot, state.stroke_total.end());
        add("putt_count", state.putt_count.begin() + SharedState::FirstSlot, state.putt_count.end());
        add("putt_total", state.putt_total.begin() + SharedState::FirstSlot, state.putt_total.end());
        add("stroke_recap", state.stroke_recap.begin(), state.stroke_recap.end());
        add("putt_recap", state.putt_recap.begin(), state.putt_recap.end());
        parts.append(QStringLiteral("holes_in_one=%1").arg(state.holes_in_one));
        return parts.join(QLatin1Char(' '));
    }

    static void compute(TestProgram &program, const QString &course, const QString &golfer)
    {
        auto rounds = program.open(QStringLiteral("rounds"));
        zero_stats(program.context.state);
        compute_stats(program.context, nullptr, *rounds, course, golfer);
    }

    // What the computation must equal: every record visited, matched by name.
    static void visitEveryRecord(TestProgram &program, const QString &course, const QString &golfer)
    {
        SharedState &state = program.context.state;
        zero_stats(state);
        reset_round_record(state);
        auto rounds = program.open(QStringLiteral("rounds"));
        const QRegularExpression blanks(QStringLiteral("^ +| +$")); // only blanks are trimmed, not tabs
        for (rounds->moveFirst(); !rounds->atEnd(); rounds->moveNext()) {
            if (rounds->field(QStringLiteral("course_name")).remove(blanks) == course
                && rounds->field(QStringLiteral("golfer_name")).remove(blanks) == golfer) {
                for (int entry = 1; entry < round_layout::Entries; ++entry) {
                    state.round_record[entry] = rounds->field(round_layout::fieldName(entry));
                }
                add_round_stats(state);
                reset_round_record(state);
            }
        }
    }

    static QString randomFigure(QRandomGenerator &random, int highest)
    {
        const int pick = random.bounded(20);
        return pick == 0 ? QString()
            : pick < 3   ? QStringList {"x4", "4x"}.at(pick - 1)
                         : QString::number(random.bounded(highest + 1));
    }

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
        QTest::newRow("two on a par 5") << 5 << 2 << "double eagle" << true << 0;
        QTest::newRow("eagle") << 4 << 2 << "eagle" << true << 0;
        QTest::newRow("birdie") << 4 << 3 << "birdie" << true << 0;
        QTest::newRow("par") << 4 << 4 << "par" << true << 0;
        QTest::newRow("bogey") << 4 << 5 << "bogey" << true << 0;
        QTest::newRow("double bogey") << 4 << 6 << "double bogey" << true << 0;
        QTest::newRow("triple bogey") << 4 << 7 << "triple or more" << true << 0;
        QTest::newRow("eight over") << 3 << 11 << "triple or more" << true << 0;
        QTest::newRow("par 6 is classified only") << 6 << 5 << "birdie" << false << 0;
        QTest::newRow("par 0 is classified only") << 0 << 3 << "triple or more" << false << 0;
        QTest::newRow("hole not played on a par 3") << 3 << 0 << "none" << false << 0;
        QTest::newRow("hole not played on a par 5") << 5 << 0 << "none" << false << 0;
    }
    void eachHoleIsClassifiedAgainstItsPar()
    {
        QFETCH(int, par);
        QFETCH(int, strokes);
        QFETCH(QString, resultClass);
        QFETCH(bool, parType);
        QFETCH(int, holesInOne);
        TestProgram program;
        // Hole 5 of the front and hole 14 of the back nine carry the case; the
        // other holes are pars on par 4s with two putts.
        QList<int> pars = everyHole(4);
        QList<int> strokeList = everyHole(4);
        pars[4] = pars[13] = par;
        strokeList[4] = strokeList[13] = strokes;
        program.addRound(playedRound(QStringLiteral("Ann"), QStringLiteral("Pine"), strokeList, pars, everyHole(2)));
        compute(program, QStringLiteral("Pine"), QStringLiteral("Ann"));

        const SharedState &state = program.context.state;
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
        QCOMPARE(state.round_record, QStringList(SharedState::RoundFields, QStringLiteral("0")));
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
        QTest::newRow("back putts not a number") << "putb9"
                                                 << "none" << QList<int> {18, 1, 1, 1, 9, 1, 0, 1};
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
        TestProgram program;
        auto round
            = playedRound(QStringLiteral("Ann"), QStringLiteral("Pine"), everyHole(4), everyHole(4), everyHole(2));
        if (!field.isEmpty()) {
            round[field] = value;
        }
        program.addRound(round);
        compute(program, QStringLiteral("Pine"), QStringLiteral("Ann"));
        QString expected;
        for (const auto &[series, first, hole] : {std::tuple {"stroke", 0, 4}, {"putt", 4, 2}}) {
            const int *c = counted.constData() + first;
            expected
                += QString::asprintf("%s_count=0,%d,0,%d,%d,%d %s_total=0,%d,0,%d,%d,%d ", series, c[0], c[1], c[2],
                                     c[3], series, c[0] * hole, c[1] * 9 * hole, c[2] * 9 * hole, c[3] * 18 * hole);
        }
        QCOMPARE(figures(program.context.state).section(QLatin1Char(' '), 0, 3), expected.trimmed());
        QCOMPARE(program.context.state.stroke_recap[ParClass], counted[0]);
        QCOMPARE(program.context.state.putt_recap[ParClass], counted[4]);
    }

    void namesMatchExactlyAfterTrimmingBlanks_data()
    {
        QTest::addColumn<QString>("storedGolfer");
        QTest::addColumn<QString>("storedCourse");
        QTest::addColumn<QString>("golfer");
        QTest::addColumn<QString>("course");
        QTest::addColumn<bool>("counted");
        const auto row = [](const char *name, const char *storedGolfer, const char *storedCourse, const char *golfer,
                            const char *course, bool counted) {
            QTest::newRow(name) << QString::fromUtf8(storedGolfer) << QString::fromUtf8(storedCourse)
                                << QString::fromUtf8(golfer) << QString::fromUtf8(course) << counted;
        };
        row("same", "Ann", "Pine", "Ann", "Pine", true);
        row("stored with blanks", "  Ann ", " Pine  ", "Ann", "Pine", true);
        row("golfer in other case", "Ann", "Pine", "ann", "Pine", false);
        row("course in other case", "Ann", "Pine", "Ann", "PINE", false);
        row("chosen name with a blank", "Ann", "Pine", " Ann", "Pine", false);
        row("tab is not a blank", "Ann\t", "Pine", "Ann", "Pine", false);
        row("other golfer", "Annie", "Pine", "Ann", "Pine", false);
        row("quote in a name", "O'Neil", "Pine \"Old\"", "O'Neil", "Pine \"Old\"", true);
    }
    void namesMatchExactlyAfterTrimmingBlanks()
    {
        QFETCH(QString, storedGolfer);
        QFETCH(QString, storedCourse);
        QFETCH(QString, golfer);
        QFETCH(QString, course);
        QFETCH(bool, counted);
        TestProgram program;
        program.addRound(playedRound(storedGolfer, storedCourse, everyHole(4), everyHole(4), everyHole(2)));
        compute(program, course, golfer);
        QCOMPARE(program.context.state.stroke_count[8], counted ? 1.0 : 0.0);
        QVERIFY(program.messages.shown.isEmpty());
    }

    void emptyTableIsReportedAndAddsNothing()
    {
        TestProgram program;
        compute(program, QStringLiteral("Pine"), QStringLiteral("Ann"));
        QCOMPARE(program.messages.shown.size(), 1);
        QCOMPARE(program.messages.shown[0].title, QStringLiteral("No Recorded Rounds"));
        QCOMPARE(program.messages.shown[0].text, QStringLiteral("There are no Rounds to compute"));
        QCOMPARE(program.messages.shown[0].buttons, MessageButtons::Ok);
        SharedState zero;
        QCOMPARE(figures(program.context.state), figures(zero));
    }

    void roundsSavedAfterOpeningAreCounted()
    {
        TestProgram program;
        program.addRound(playedRound(QStringLiteral("Ann"), QStringLiteral("Pine"), everyHole(4), everyHole(4), {}));
        auto rounds = program.open(QStringLiteral("rounds"));
        program.addRound(playedRound(QStringLiteral("Ann"), QStringLiteral("Pine"), everyHole(5), everyHole(4), {}));
        compute_stats(program.context, nullptr, *rounds, QStringLiteral("Pine"), QStringLiteral("Ann"));
        QCOMPARE(program.context.state.stroke_total[8], 72.0 + 90.0);
    }

    // The computation reads only the matching rounds; it must count exactly
    // what a visit of every record counts, odd values included.
    void equalsAVisitOfEveryRecord()
    {
        TestProgram program;
        const QStringList golfers = {"Ann", " Ann  ", "ann", "Ann\t", "Bob", "  Bob"};
        const QStringList courses = {"Pine", "Pine ", "PINE", "Oak", " Oak"};
        QRandomGenerator random(20260612);
        auto rounds = program.open(QStringLiteral("rounds"));
        rounds->inTransaction([&] {
            for (int r = 0; r < 400; ++r) {
                rounds->addNew();
                rounds->setField(QStringLiteral("golfer_name"), golfers[random.bounded(int(golfers.size()))]);
                rounds->setField(QStringLiteral("course_name"), courses[random.bounded(int(courses.size()))]);
                for (int entry = round_layout::Date + 1; entry < round_layout::Entries; ++entry) {
                    const bool par = entry >= 25 && entry <= 45;
                    const bool total = round_layout::fieldName(entry).contains(QLatin1Char('9'))
                        || round_layout::fieldName(entry).contains(QLatin1String("tot"));
                    rounds->setField(round_layout::fieldName(entry), randomFigure(random, total ? 60 : par ? 6 : 9));
                }
                rounds->update();
            }
        });
        for (const auto &[golfer, course] : {std::pair {"Ann", "Pine"}, std::pair {"Bob", "Oak"},
                                             std::pair {"ann", "PINE"}, std::pair {"Carl", "Pine"}}) {
            visitEveryRecord(program, QString::fromLatin1(course), QString::fromLatin1(golfer));
            const QString expected = figures(program.context.state);
            compute(program, QString::fromLatin1(course), QString::fromLatin1(golfer));
            QCOMPARE(figures(program.context.state), expected);
            QCOMPARE(program.context.state.round_record, QStringList(SharedState::RoundFields, QStringLiteral("0")));
        }
        QVERIFY(program.context.state.stroke_count[8] == 0.0);
        visitEveryRecord(program, QStringLiteral("Pine"), QStringLiteral("Ann"));
        QVERIFY(program.context.state.stroke_count[8] > 10.0);
    }
};

QTEST_MAIN(StatsEngineTest)
#include "tst_stats_engine.moc"
