#include "tests/support/driving.h"
#include "tests/support/handicap_data.h"
#include "tests/support/test_program.h"
#include "ui/form_window.h"

#include <QChart>
#include <QChartView>
#include <QLabel>
#include <QTableWidget>
#include <QtTest>

using namespace driving;
using namespace handicap_data;

// The trends window, opened from the main menu and from the statistics, as a
// golfer reads it: the table gives every value the charts draw.
class TrendsWindowTest : public QObject
{
    Q_OBJECT

private:
    // Ann's rounds on Oak: six dated eighteen-hole rounds (gross 85 to 90, stored
    // latest day first), one on Elm, and one without a date.
    static void storeAnnsRounds(TestProgram &program)
    {
        for (const QString &course : {QStringLiteral("Oak"), QStringLiteral("Elm")}) {
            program.addCourse(sampleCourse(course, {}));
            rate(program, course, QStringLiteral("white"), QStringLiteral("71.3"), 128);
        }
        program.addGolfer(QStringLiteral("Ann"));
        program.addGolfer(QStringLiteral("Bob"));
        for (int r = 1; r <= 6; ++r) {
            addDetailedRound(program, QStringLiteral("Ann"), QStringLiteral("Oak"), 84 + r, QDate(2026, 5, 7 - r));
        }
        addDetailedRound(program, QStringLiteral("Ann"), QStringLiteral("Elm"), 84, QDate(2026, 5, 7));
        program.addRound(roundOf(QStringLiteral("Ann"), QStringLiteral("Oak"), 84, QStringLiteral("x")));
    }

private Q_SLOTS:
    void mainMenuOpensTrendsOfTheGolferChosen()
    {
        TestProgram program;
        storeAnnsRounds(program);
        FormWindow *main = program.startUp();
        main->show();
        click(main, QStringLiteral("cmdTrends"));
        FormWindow *trends = program.windows.loaded("frmTrends");
        QVERIFY(trends && trends->isVisible());
        QVERIFY(!main->isVisible());

        pick(trends, QStringLiteral("cboPlayer"), QStringLiteral("Ann"));

        auto *table = trends->findChild<QTableWidget *>("grdFigures");
        QCOMPARE(table->rowCount(), 8);
        // Played in the order of the days, whatever the order stored; averages from the fifth round on.
        QCOMPARE(rowTexts(table, 0).mid(0, 3), QStringList({"2026-05-01", "Oak", "90"}));
        QCOMPARE(rowTexts(table, 4).mid(2, 2), QStringList({"86", "88.0"}));
        QCOMPARE(rowTexts(table, 7)[0], QStringLiteral("undated"));
        QCOMPARE(trends->findChild<QLabel *>("lblSummary")->text(),
                 QStringLiteral("7 dated rounds, 1 undated (not in the charts)"));
        auto *totals = trends->findChild<QChartView *>("chtTotals");
        QCOMPARE(totals->chart()->series().size(), 2);
        QVERIFY(!totals->accessibleName().isEmpty());

        pick(trends, QStringLiteral("cboCourse"), QStringLiteral("Elm"));
        QCOMPARE(table->rowCount(), 1);
        pick(trends, QStringLiteral("cboPlayer"), QStringLiteral("Bob")); // no rounds: empty charts, nothing to tell
        QCOMPARE(table->rowCount(), 0);
        QVERIFY(trends->findChild<QChartView *>("chtIndex")->chart()->series().isEmpty());
        QVERIFY(program.messages.shown.isEmpty());

        click(trends, QStringLiteral("cmdDone"));
        QVERIFY(main->isVisible());
    }

    void statisticsOpenTrendsForTheirGolfer()
    {
        TestProgram program;
        storeAnnsRounds(program);
        program.startUp();
        FormWindow *stats = program.windows.show(QStringLiteral("frmStats"));
        pick(stats, QStringLiteral("cboPlayer"), QStringLiteral("Ann"));
        click(stats, QStringLiteral("cmdTrends"));

        FormWindow *trends = program.windows.loaded("frmTrends");
        QVERIFY(trends && trends->isVisible());
        QCOMPARE(trends->findChild<QTableWidget *>("grdFigures")->rowCount(), 8);
        click(trends, QStringLiteral("cmdDone"));
        QVERIFY(!trends->isVisible());
        QVERIFY(stats->isVisible());
    }
};

QTEST_MAIN(TrendsWindowTest)
#include "tst_trends_window.moc"
