#include "tests/support/driving.h"
#include "tests/support/test_program.h"
#include "ui/form_window.h"

#include <QAbstractButton>
#include <QChart>
#include <QChartView>
#include <QLabel>
#include <QTableWidget>
#include <QtTest>

// The trends window, opened from the main menu and from the statistics, as a
// golfer reads it: the table gives every value the charts draw.
class TrendsWindowTest : public QObject
{
    Q_OBJECT

private:
    // Ann's rounds on Oak: six dated eighteen-hole rounds (gross 91 to 96, 30 to
    // 35 putts), one on Elm, and one without a date.
    static void storeAnnsRounds(TestProgram &program)
    {
        program.addCourse(sampleCourse(QStringLiteral("Oak"), {}));
        program.addCourse(sampleCourse(QStringLiteral("Elm"), {}));
        program.addGolfer(QStringLiteral("Ann"));
        program.addGolfer(QStringLiteral("Bob"));
        const auto round = [&program](const QString &course, int extra, int putts) {
            QHash<QString, QString> fields {{"golfer_name", "Ann"}, {"course_name", course}, {"date", "x"}};
            for (int hole = 1; hole <= 18; ++hole) {
                fields.insert(QStringLiteral("h%1").arg(hole), QString::number(hole <= extra ? 6 : 5));
                fields.insert(QStringLiteral("p%1").arg(hole), QStringLiteral("4"));
                fields.insert(QStringLiteral("put%1").arg(hole), QString::number(hole <= putts - 18 ? 2 : 1));
            }
            program.addRound(fields);
        };
        for (int r = 1; r <= 6; ++r) {
            round(QStringLiteral("Oak"), r, 29 + r);
        }
        round(QStringLiteral("Elm"), 0, 36);
        round(QStringLiteral("Oak"), 0, 36);
        program.changeFromOutside(
            "INSERT INTO tee_ratings VALUES ('Oak', 'white', 71.3, 128), ('Elm', 'white', 70.0, 120);"
            "INSERT INTO round_details VALUES (6, 'white', '2026-05-01', 0), (5, 'white', '2026-05-02', 0),"
            " (4, 'white', '2026-05-03', 0), (3, 'white', '2026-05-04', 0), (2, 'white', '2026-05-05', 0),"
            " (1, 'white', '2026-05-06', 0), (7, 'white', '2026-05-07', 0);");
    }

    static void pick(QWidget *window, const char *listName, const QString &entry)
    {
        driving::pick(window, QString::fromLatin1(listName), entry);
    }

private Q_SLOTS:
    void mainMenuOpensTrendsOfTheGolferChosen()
    {
        TestProgram program;
        storeAnnsRounds(program);
        FormWindow *main = program.startUp();
        main->show();
        QTest::mouseClick(main->findChild<QAbstractButton *>("cmdTrends"), Qt::LeftButton);
        FormWindow *trends = program.windows.loaded("frmTrends");
        QVERIFY(trends && trends->isVisible());
        QVERIFY(!main->isVisible());

        pick(trends, "cboPlayer", "Ann");

        auto *table = trends->findChild<QTableWidget *>("grdFigures");
        QCOMPARE(table->rowCount(), 8);
        // Played in the order of the days, whatever the order stored; averages from the fifth round on.
        QCOMPARE(driving::rowTexts(table, 0).mid(0, 3), QStringList({"2026-05-01", "Oak", "96"}));
        QCOMPARE(driving::rowTexts(table, 4).mid(2, 2), QStringList({"92", "94.0"}));
        QCOMPARE(driving::rowTexts(table, 7)[0], QStringLiteral("undated"));
        QCOMPARE(trends->findChild<QLabel *>("lblSummary")->text(),
                 QStringLiteral("7 dated rounds, 1 undated (not in the charts)"));
        auto *totals = trends->findChild<QChartView *>("chtTotals");
        QCOMPARE(totals->chart()->series().size(), 2);
        QVERIFY(!totals->accessibleName().isEmpty());

        pick(trends, "cboCourse", "Elm");
        QCOMPARE(table->rowCount(), 1);
        pick(trends, "cboPlayer", "Bob"); // no rounds: empty charts, nothing to tell
        QCOMPARE(table->rowCount(), 0);
        QVERIFY(trends->findChild<QChartView *>("chtIndex")->chart()->series().isEmpty());
        QVERIFY(program.messages.shown.isEmpty());

        QTest::mouseClick(trends->findChild<QAbstractButton *>("cmdDone"), Qt::LeftButton);
        QVERIFY(main->isVisible());
    }

    void statisticsOpenTrendsForTheirGolfer()
    {
        TestProgram program;
        storeAnnsRounds(program);
        program.startUp();
        FormWindow *stats = program.windows.show(QStringLiteral("frmStats"));
        pick(stats, "cboPlayer", "Ann");
        QTest::mouseClick(stats->findChild<QAbstractButton *>("cmdTrends"), Qt::LeftButton);

        FormWindow *trends = program.windows.loaded("frmTrends");
        QVERIFY(trends && trends->isVisible());
        QCOMPARE(trends->findChild<QTableWidget *>("grdFigures")->rowCount(), 8);
        QTest::mouseClick(trends->findChild<QAbstractButton *>("cmdDone"), Qt::LeftButton);
        QVERIFY(!trends->isVisible());
        QVERIFY(stats->isVisible());
    }
};

QTEST_MAIN(TrendsWindowTest)
#include "tst_trends_window.moc"
