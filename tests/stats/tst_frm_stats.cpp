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
    static void calculate(QWidget *window, const QString &golfer, const QString &course)
    {
        pick(window, QStringLiteral("cboPlayer"), golfer);
        pick(window, QStringLiteral("cboCourse"), course);
        click(window, QStringLiteral("cmdCalculateStats"));
    }

    // One round each of Ann's (72 strokes, 36 putts) and Bob's on Pine; none of Cleo's, none on Oak.
    static FormWindow *openWithAnnAndBob(TestProgram &program)
    {
        program.addCourse(sampleCourse(QStringLiteral("Pine"), {}));
        program.addCourse(sampleCourse(QStringLiteral("Oak"), {}));
        for (const char *golfer : {"Ann", "Bob", "Cleo"}) {
            program.addGolfer(QString::fromLatin1(golfer));
        }
        program.addRound(
            playedRound(QStringLiteral("Ann"), QStringLiteral("Pine"), everyHole(4), everyHole(4), everyHole(2)));
        program.addRound(
            playedRound(QStringLiteral("Bob"), QStringLiteral("Pine"), everyHole(5), everyHole(4), everyHole(3)));
        program.startUp();
        return program.windows.show(QStringLiteral("frmStats"));
    }

private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    // Both views; coming back from the menu clears the counters and averages but keeps the totals
    // and choices; a golfer without rounds on the course then shows none of Ann's figures.
    void strokeAndPuttingViews()
    {
        TestProgram program;
        FormWindow *stats = openWithAnnAndBob(program);
        QVERIFY(!child(stats, QStringLiteral("cmdCalculateStats"))->isEnabled());
        click(stats, QStringLiteral("cmdPrint")); // nothing computed, nothing to print
        QVERIFY(program.printPreview.shownText.isEmpty());
        auto *totals = child<QGroupBox>(stats, QStringLiteral("fraTotals"));
        calculate(stats, QStringLiteral("Ann"), QStringLiteral("Pine"));
        QCOMPARE(text(stats, QStringLiteral("lblscore18")), QStringLiteral("72.00"));
        QCOMPARE(totals->title(), QStringLiteral("Stroke Total"));
        QVERIFY(!child(stats, QStringLiteral("cmdCalculateStats"))->isEnabled()); // each computation needs a new pick

        click(stats, QStringLiteral("cmdPutting"));
        QCOMPARE(text(stats, QStringLiteral("lblscore18")), QStringLiteral("36.00"));
        QCOMPARE(text(stats, QStringLiteral("cmdPutting")), QStringLiteral("&Strokes"));
        QCOMPARE(totals->title(), QStringLiteral("Putt Total"));
        QVERIFY(child(stats, QStringLiteral("cboPlayer"))->isHidden());
        click(stats, QStringLiteral("cmdPutting"));
        QCOMPARE(text(stats, QStringLiteral("lblscore18")), QStringLiteral("72.00"));
        QVERIFY(child(stats, QStringLiteral("cboPlayer"))->isVisible());

        click(stats, QStringLiteral("cmdMainMenu"));
        QVERIFY(stats->isHidden());
        QVERIFY(program.windows.loaded(QStringLiteral("frmMain"))->isVisible());
        program.windows.show(QStringLiteral("frmStats"));
        QCOMPARE(text(stats, QStringLiteral("lblpa")), QStringLiteral("0"));
        QCOMPARE(text(stats, QStringLiteral("lblave3")), QStringLiteral("0.00"));
        QCOMPARE(text(stats, QStringLiteral("lblscore18")), QStringLiteral("72.00"));
        QCOMPARE(child<QComboBox>(stats, QStringLiteral("cboPlayer"))->currentText(), QStringLiteral("Ann"));

        calculate(stats, QStringLiteral("Cleo"), QStringLiteral("Pine"));
        QCOMPARE(text(stats, QStringLiteral("lblscore18")), QStringLiteral("N/A"));
        QCOMPARE(program.messages.titles(), QStringList {"No Stats Calculated"});
        stats->close(); // the frame's close button leaves like Main Menu
        QVERIFY(stats->isHidden());
        QVERIFY(program.windows.loaded(QStringLiteral("frmMain"))->isVisible());
    }

    // After Ann's figures, a computation for Bob is refused. The figures stay, or show none when
    // there are no rounds at all; a refused scorebook leaves the same choice to be asked again.
    void refusedComputation_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<QStringList>("choice"); // golfer, course
        QTest::addColumn<QStringList>("message"); // title, text
        QTest::addColumn<QString>("score18");
        QTest::addColumn<bool>("canAskAgain");
        QTest::newRow("no course") << "" << QStringList {"Ann", "Select Course"}
                                   << QStringList {"No Course Selected", "You must select a course to calculate"}
                                   << "72.00" << false;
        QTest::newRow("no golfer") << "" << QStringList {"  Select Golfer ", "Pine"}
                                   << QStringList {"No Golfer Selected", "You must select a Golfer for stats."}
                                   << "72.00" << false;
        QTest::newRow("no rounds at all")
            << "DELETE FROM rounds" << QStringList {"Bob", "Pine"}
            << QStringList {"No Recorded Rounds", "There are no Rounds to compute"} << "N/A" << false;
        QTest::newRow("scorebook refuses")
            << "DROP TABLE rounds" << QStringList {"Bob", "Pine"}
            << QStringList {"Player Stats",
                            "The rounds could not be read.\nThe table \"rounds\" is missing from the scorebook."}
            << "72.00" << true;
    }
    void refusedComputation()
    {
        QFETCH(QString, change);
        QFETCH(QStringList, choice);
        QFETCH(QStringList, message);
        QFETCH(QString, score18);
        QFETCH(bool, canAskAgain);
        TestProgram program;
        FormWindow *stats = openWithAnnAndBob(program);
        calculate(stats, QStringLiteral("Ann"), QStringLiteral("Pine"));
        pick(stats, QStringLiteral("cboCourse"), QStringLiteral("Oak")); // a new pick allows another computation
        if (!change.isEmpty()) {
            program.changeFromOutside(change);
        }
        child<QComboBox>(stats, QStringLiteral("cboPlayer"))->setEditText(choice[0]);
        child<QComboBox>(stats, QStringLiteral("cboCourse"))->setEditText(choice[1]);
        click(stats, QStringLiteral("cmdCalculateStats"));
        QCOMPARE(program.messages.shown.size(), 1);
        QCOMPARE((QStringList {program.messages.shown[0].title, program.messages.shown[0].text}), message);
        QCOMPARE(text(stats, QStringLiteral("lblscore18")), score18);
        QCOMPARE(child(stats, QStringLiteral("cmdCalculateStats"))->isEnabled(), canAskAgain);
    }
};

QTEST_MAIN(FrmStatsTest)
#include "tst_frm_stats.moc"
