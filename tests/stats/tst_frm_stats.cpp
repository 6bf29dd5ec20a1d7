#include "tests/core/played_round.h"
#include "tests/support/driving.h"
#include "tests/support/test_program.h"
#include "ui/form_window.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLocale>
#include <QtTest>

using namespace driving;

// The Player Stats window, driven as a golfer uses it. The figures themselves
// are the statistics rules' own; here one stands for each view.
class FrmStatsTest : public QObject
{
    Q_OBJECT

private:
    static QList<int> pinePars() { return {4, 4, 3, 5, 4, 4, 3, 4, 5, 4, 3, 5, 4, 4, 4, 3, 5, 4}; }

    static FormWindow *openStats(TestProgram &program)
    {
        program.startUp();
        return program.windows.show(QStringLiteral("frmStats"));
    }

    static void calculate(QWidget *window, const QString &golfer, const QString &course)
    {
        pick(window, QStringLiteral("cboPlayer"), golfer);
        pick(window, QStringLiteral("cboCourse"), course);
        click(window, QStringLiteral("cmdCalculateStats"));
    }

    static bool calculateEnabled(QWidget *window)
    {
        return child(window, QStringLiteral("cmdCalculateStats"))->isEnabled();
    }

    // Two rounds of Ann's on Pine (averaging 58.50 strokes and 25.00 putts a
    // round, one nine of the second left unplayed), one of Bob's, one of Ann's on Oak.
    static FormWindow *openWithAnnAndBob(TestProgram &program)
    {
        program.addCourse(sampleCourse(QStringLiteral("Pine"), pinePars()));
        program.addCourse(sampleCourse(QStringLiteral("Oak"), {}));
        for (const char *golfer : {"Ann", "Bob", "Cleo"}) {
            program.addGolfer(QString::fromLatin1(golfer));
        }
        program.addRound(playedRound(QStringLiteral("Ann"), QStringLiteral("Pine"),
                                     {5, 4, 3, 6, 4, 5, 2, 4, 5, 4, 1, 5, 5, 4, 6, 3, 6, 4}, pinePars(),
                                     {2, 2, 1, 2, 2, 2, 1, 2, 2, 2, 0, 2, 2, 1, 3, 2, 2, 2}));
        program.addRound(
            playedRound(QStringLiteral("Bob"), QStringLiteral("Pine"), everyHole(9), pinePars(), everyHole(3)));
        program.addRound(
            playedRound(QStringLiteral("Ann"), QStringLiteral("Oak"), everyHole(7), everyHole(4), everyHole(3)));
        program.addRound(playedRound(QStringLiteral("Ann"), QStringLiteral("Pine"), {4, 5, 4, 5, 5, 4, 3, 5, 6},
                                     pinePars(), {1, 2, 2, 2, 2, 2, 2, 2, 3}));
        return openStats(program);
    }

private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    // With no rounds at all, a computation tells so.
    void helpNoRoundsAndTheWayBack()
    {
        TestProgram program;
        program.addCourse(sampleCourse(QStringLiteral("Pine"), pinePars()));
        program.addGolfer(QStringLiteral("Ann"));
        FormWindow *stats = openStats(program);
        QVERIFY(!calculateEnabled(stats));
        click(stats, QStringLiteral("cmdHelp"));
        QCOMPARE(program.launcher.started, QStringList {program.context.programFile(QStringLiteral("teeguide"))});
        calculate(stats, QStringLiteral("Ann"), QStringLiteral("Pine"));
        QCOMPARE(program.messages.titles(), QStringList {"No Recorded Rounds"});
        QCOMPARE(text(stats, QStringLiteral("lblscore18")), QStringLiteral("N/A"));
        stats->close();
        QVERIFY(stats->isHidden());
        QVERIFY(program.windows.loaded(QStringLiteral("frmMain"))->isVisible());
    }

    // The putting view and back, computed twice: the same figures; then a golfer without rounds.
    void strokeAndPuttingViews()
    {
        TestProgram program;
        FormWindow *stats = openWithAnnAndBob(program);
        auto *totals = child<QGroupBox>(stats, QStringLiteral("fraTotals"));
        for (int computation = 0; computation < 2; ++computation) {
            calculate(stats, QStringLiteral("Ann"), QStringLiteral("Pine"));
            QCOMPARE(text(stats, QStringLiteral("lblscore18")), QStringLiteral("58.50"));
            QCOMPARE(totals->title(), QStringLiteral("Stroke Total"));
            QVERIFY(!calculateEnabled(stats)); // each computation needs a new pick

            click(stats, QStringLiteral("cmdPutting"));
            QCOMPARE(text(stats, QStringLiteral("lblscore18")), QStringLiteral("25.00"));
            QCOMPARE(text(stats, QStringLiteral("cmdPutting")), QStringLiteral("&Strokes"));
            QCOMPARE(totals->title(), QStringLiteral("Putt Total"));
            QVERIFY(child(stats, QStringLiteral("cboPlayer"))->isHidden());

            click(stats, QStringLiteral("cmdPutting"));
            QCOMPARE(text(stats, QStringLiteral("lblscore18")), QStringLiteral("58.50"));
            QVERIFY(child(stats, QStringLiteral("cboPlayer"))->isVisible());
        }
        pick(stats, QStringLiteral("cboCourse"), QStringLiteral("Oak"));
        QVERIFY(calculateEnabled(stats));
        calculate(stats, QStringLiteral("Cleo"), QStringLiteral("Pine"));
        QCOMPARE(text(stats, QStringLiteral("lblpa")), QStringLiteral("0"));
        QCOMPARE(text(stats, QStringLiteral("lblscore18")), QStringLiteral("N/A"));
        QVERIFY(program.messages.shown.isEmpty());
    }

    void missingChoiceIsRefused_data()
    {
        QTest::addColumn<QString>("golfer");
        QTest::addColumn<QString>("course");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("text");
        QTest::newRow("course") << "Ann"
                                << "Select Course"
                                << "No Course Selected"
                                << "You must select a course to calculate";
        QTest::newRow("golfer") << "  Select Golfer "
                                << "Pine"
                                << "No Golfer Selected"
                                << "You must select a Golfer for stats.";
    }
    void missingChoiceIsRefused()
    {
        QFETCH(QString, golfer);
        QFETCH(QString, course);
        QFETCH(QString, title);
        QFETCH(QString, text);
        TestProgram program;
        FormWindow *stats = openWithAnnAndBob(program);
        calculate(stats, QStringLiteral("Ann"), QStringLiteral("Pine"));
        pick(stats, QStringLiteral("cboPlayer"), QStringLiteral("Bob"));
        child<QComboBox>(stats, QStringLiteral("cboPlayer"))->setEditText(golfer);
        child<QComboBox>(stats, QStringLiteral("cboCourse"))->setEditText(course);
        click(stats, QStringLiteral("cmdCalculateStats"));
        QCOMPARE(program.messages.shown.size(), 1);
        QCOMPARE(program.messages.shown[0].title, title);
        QCOMPARE(program.messages.shown[0].text, text);
        QCOMPARE(driving::text(stats, QStringLiteral("lblscore18")), QStringLiteral("58.50"));
        QVERIFY(!calculateEnabled(stats));
    }

    // Coming back from the menu clears the counters and averages; the totals and choices stay.
    void returningFromTheMenu()
    {
        TestProgram program;
        FormWindow *stats = openWithAnnAndBob(program);
        calculate(stats, QStringLiteral("Ann"), QStringLiteral("Pine"));
        click(stats, QStringLiteral("cmdMainMenu"));
        QVERIFY(stats->isHidden());
        QVERIFY(program.windows.loaded(QStringLiteral("frmMain"))->isVisible());
        program.windows.show(QStringLiteral("frmStats"));
        QCOMPARE(text(stats, QStringLiteral("lblpa")), QStringLiteral("0"));
        QCOMPARE(text(stats, QStringLiteral("lblave3")), QStringLiteral("0.00"));
        QCOMPARE(text(stats, QStringLiteral("lblscore18")), QStringLiteral("58.50"));
        QCOMPARE(child<QComboBox>(stats, QStringLiteral("cboPlayer"))->currentText(), QStringLiteral("Ann"));
    }

    void refusedScorebookIsReportedAndKeepsTheFigures()
    {
        TestProgram program;
        FormWindow *stats = openWithAnnAndBob(program);
        calculate(stats, QStringLiteral("Ann"), QStringLiteral("Pine"));
        program.changeFromOutside(QStringLiteral("DROP TABLE rounds"));
        calculate(stats, QStringLiteral("Bob"), QStringLiteral("Pine"));
        QCOMPARE(program.messages.shown.size(), 1);
        QCOMPARE(program.messages.shown[0].icon, MessageIcon::Critical);
        QCOMPARE(text(stats, QStringLiteral("lblscore18")), QStringLiteral("58.50"));
        QVERIFY(calculateEnabled(stats));
    }
};

QTEST_MAIN(FrmStatsTest)
#include "tst_frm_stats.moc"
