#include "app/form_window.h"
#include "tests/stats/played_round.h"
#include "tests/support/test_program.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QtTest>

#include <SQLiteCpp/Database.h>

// The Player Stats window, driven as a golfer uses it.
class FrmStatsTest : public QObject
{
    Q_OBJECT

private:
    // Pine: front 4 4 3 5 4 4 3 4 5, back 4 3 5 4 4 4 3 5 4.
    static QList<int> pinePars() { return {4, 4, 3, 5, 4, 4, 3, 4, 5, 4, 3, 5, 4, 4, 4, 3, 5, 4}; }

    static FormWindow *openStats(TestProgram &program)
    {
        program.startUp();
        return program.windows.show(QStringLiteral("frmStats"));
    }

    static void pick(QWidget *window, const QString &listName, const QString &entry)
    {
        auto *list = window->findChild<QComboBox *>(listName);
        const int index = list->findText(entry);
        QVERIFY2(index >= 0, qPrintable(entry));
        list->setCurrentIndex(index);
        Q_EMIT list->activated(index);
    }

    static void click(QWidget *window, const QString &buttonName)
    {
        auto *button = window->findChild<QPushButton *>(buttonName);
        QVERIFY(button && button->isVisible());
        QTest::mouseClick(button, Qt::LeftButton);
    }

    static void calculate(QWidget *window, const QString &golfer, const QString &course)
    {
        pick(window, QStringLiteral("cboPlayer"), golfer);
        pick(window, QStringLiteral("cboCourse"), course);
        click(window, QStringLiteral("cmdCalculateStats"));
    }

    static QString value(QWidget *window, const char *name)
    {
        return window->findChild<QLabel *>(QString::fromLatin1(name))->text();
    }

    // The figures in screen order: recap with holes in one, averages, totals, rounds.
    static QStringList shown(QWidget *window)
    {
        QStringList values;
        for (const char *name :
             {"lbldea", "lblea", "lblbi", "lblpa", "lblbo", "lbldbo", "lbltbo", "lblhio", "lblave3", "lblave4",
              "lblave5", "lblstrokes3", "lblstrokes4", "lblstrokes5", "lblscoref9", "lblscoreb9", "lblscore18"}) {
            values.append(value(window, name));
        }
        return values;
    }

    static QString frameTitle(QWidget *window, const char *name)
    {
        return window->findChild<QGroupBox *>(QString::fromLatin1(name))->title();
    }

    static void storeAnnAndBob(TestProgram &program)
    {
        program.addCourse(sampleCourse(QStringLiteral("Pine"), pinePars()));
        program.addCourse(sampleCourse(QStringLiteral("Oak"), {}));
        program.addGolfer(QStringLiteral("Ann"));
        program.addGolfer(QStringLiteral("Bob"));
        program.addGolfer(QStringLiteral("Cleo"));
        program.addRound(playedRound(QStringLiteral("Ann"), QStringLiteral("Pine"),
                                     {5, 4, 3, 6, 4, 5, 2, 4, 5, 4, 1, 5, 5, 4, 6, 3, 6, 4}, pinePars(),
                                     {2, 2, 1, 2, 2, 2, 1, 2, 2, 2, 0, 2, 2, 1, 3, 2, 2, 2}));
        program.addRound(
            playedRound(QStringLiteral("Bob"), QStringLiteral("Pine"), everyHole(9), pinePars(), everyHole(3)));
        program.addRound(
            playedRound(QStringLiteral("Ann"), QStringLiteral("Oak"), everyHole(7), everyHole(4), everyHole(3)));
        program.addRound(playedRound(QStringLiteral("Ann"), QStringLiteral("Pine"), {4, 5, 4, 5, 5, 4, 3, 5, 6},
                                     pinePars(), {1, 2, 2, 2, 2, 2, 2, 2, 3}));
    }

    // Ann on Pine, worked out by hand. Round 1 front 38 (birdie 1, pars 5,
    // bogeys 3), back 38 with an ace on the par-3 11th (eagle 1, pars 5,
    // bogeys 2, double 1); round 2 front only, 41 (pars 4, bogeys 5).
    // Par 3s: 3+2+1+3+4+3 = 16 over 6; par 5s: 6+5+5+6+5+6 = 33 over 6;
    // par 4s: 117-16-33 = 68 over 15.
    static QStringList annOnPineStrokes()
    {
        return {"0",    "1",    "1",  "14", "10", "1",     "0",     "1",    "2.67",
                "4.53", "5.50", "16", "68", "33", "39.50", "38.00", "58.50"};
    }
    // Putts: the ace had none, so 26 holes. Par 3s: 1+1+2+2+2 = 8 over 5;
    // par 5s: 2+2+2+2+2+3 = 13 over 6; par 4s: 50-8-13 = 29 over 15.
    // Nines: front 16 and 18, back 16, rounds 32 and 18.
    static QStringList annOnPinePutts()
    {
        return {"0",    "0",    "1", "14", "10", "1",     "0",     "1",    "1.60",
                "1.93", "2.17", "8", "29", "13", "17.00", "16.00", "25.00"};
    }

private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void windowCarriesItsTexts()
    {
        TestProgram program;
        FormWindow *stats = openStats(program);
        QCOMPARE(stats->windowTitle(), QStringLiteral("Player Stats"));
        QCOMPARE(value(stats, "lblPlayerStats"), QStringLiteral("Player Statistics"));
        const std::tuple<const char *, const char *, const char *> buttons[]
            = {{"cmdCalculateStats", "&Calculate Stats", " Click Here to Calculate your latest Stats "},
               {"cmdPutting", "&Putting", " Click here to see your putting  or stroke stats "},
               {"cmdMainMenu", "&Main Menu", " I want to go back to the Main Menu "},
               {"cmdHelp", "", " Click Here for HELP "}};
        for (const auto &[name, caption, tip] : buttons) {
            auto *button = stats->findChild<QPushButton *>(QString::fromLatin1(name));
            QCOMPARE(button->text(), QString::fromLatin1(caption));
            QCOMPARE(button->toolTip(), QString::fromLatin1(tip));
            QVERIFY2(!button->accessibleName().isEmpty(), name);
        }
        QVERIFY(!stats->findChild<QPushButton *>(QStringLiteral("cmdHelp"))->icon().isNull());
        QVERIFY(!stats->findChild<QPushButton *>(QStringLiteral("cmdCalculateStats"))->isEnabled());
        QCOMPARE(frameTitle(stats, "fraScoreRecap"), QStringLiteral(" Par Recap "));
        QCOMPARE(frameTitle(stats, "fraAveRecap"), QStringLiteral("Ave Strokes"));
        QCOMPARE(frameTitle(stats, "fraTotals"), QStringLiteral("Strokes Total"));
        QCOMPARE(frameTitle(stats, "fraRounds"), QStringLiteral("Strokes Per Round"));
        QStringList captions;
        for (QLabel *label : stats->findChildren<QLabel *>()) {
            captions.append(label->text());
        }
        for (const char *caption : {"Double Eagles", "Eagles", "Birdies", "Pars", "Boggies", "Double Boggies",
                                    "Triple Boggies or More", "Holes In One", "Par 3's :", "Par 4's :", "Par 5's :",
                                    "Average Front Nine :", "Average Back Nine  :", "Average Round 18   :"}) {
            QVERIFY2(captions.contains(QString::fromLatin1(caption)), caption);
        }
        QCOMPARE(shown(stats),
                 (QStringList {"0", "0", "0", "0", "0", "0", "0", "0", "0.00", "0.00", "0.00", "0", "0", "0", "0", "0",
                               "0"}));
        QCOMPARE(stats->findChild<QLabel *>(QStringLiteral("lblscoref9"))->accessibleDescription(),
                 QStringLiteral("Average front nine strokes"));
        QCOMPARE(stats->findChild<QComboBox *>(QStringLiteral("cboPlayer"))->currentText(),
                 QStringLiteral("Select Golfer"));
        QCOMPARE(stats->findChild<QComboBox *>(QStringLiteral("cboCourse"))->currentText(),
                 QStringLiteral("Select Course"));
    }

    void realisticRoundsShowHandWorkedFigures()
    {
        TestProgram program;
        storeAnnAndBob(program);
        FormWindow *stats = openStats(program);
        calculate(stats, QStringLiteral("Ann"), QStringLiteral("Pine"));
        QCOMPARE(shown(stats), annOnPineStrokes());
        QCOMPARE(frameTitle(stats, "fraScoreRecap"), QStringLiteral(" Par Recap Strokes "));
        QCOMPARE(frameTitle(stats, "fraAveRecap"), QStringLiteral(" Ave Strokes "));
        QCOMPARE(frameTitle(stats, "fraTotals"), QStringLiteral("Stroke Total"));
        QCOMPARE(frameTitle(stats, "fraRounds"), QStringLiteral("Strokes Per Round"));
        QVERIFY(program.messages.shown.isEmpty());

        click(stats, QStringLiteral("cmdPutting"));
        QCOMPARE(shown(stats), annOnPinePutts());
        QCOMPARE(stats->findChild<QPushButton *>(QStringLiteral("cmdPutting"))->text(), QStringLiteral("&Strokes"));
        QCOMPARE(frameTitle(stats, "fraScoreRecap"), QStringLiteral(" Par Recap Putting "));
        QCOMPARE(frameTitle(stats, "fraAveRecap"), QStringLiteral(" Ave Putts "));
        QCOMPARE(frameTitle(stats, "fraTotals"), QStringLiteral("Putt Total"));
        QCOMPARE(frameTitle(stats, "fraRounds"), QStringLiteral("Putts Per Round"));
        QVERIFY(stats->findChild<QComboBox *>(QStringLiteral("cboPlayer"))->isHidden());
        QVERIFY(stats->findChild<QComboBox *>(QStringLiteral("cboCourse"))->isHidden());

        click(stats, QStringLiteral("cmdPutting"));
        QCOMPARE(shown(stats), annOnPineStrokes());
        QCOMPARE(stats->findChild<QPushButton *>(QStringLiteral("cmdPutting"))->text(), QStringLiteral("&Putting"));
        QVERIFY(stats->findChild<QComboBox *>(QStringLiteral("cboPlayer"))->isVisible());
        QVERIFY(stats->findChild<QComboBox *>(QStringLiteral("cboCourse"))->isVisible());
    }

    void computingAgainGivesTheSameFigures()
    {
        TestProgram program;
        storeAnnAndBob(program);
        FormWindow *stats = openStats(program);
        calculate(stats, QStringLiteral("Ann"), QStringLiteral("Pine"));
        calculate(stats, QStringLiteral("Ann"), QStringLiteral("Pine"));
        QCOMPARE(shown(stats), annOnPineStrokes());
        click(stats, QStringLiteral("cmdPutting"));
        QCOMPARE(shown(stats), annOnPinePutts());
    }

    void golferWithoutRoundsShowsNoEarlierFigure()
    {
        TestProgram program;
        storeAnnAndBob(program);
        FormWindow *stats = openStats(program);
        calculate(stats, QStringLiteral("Ann"), QStringLiteral("Pine"));
        calculate(stats, QStringLiteral("Cleo"), QStringLiteral("Pine"));
        QCOMPARE(shown(stats),
                 (QStringList {"0", "0", "0", "0", "0", "0", "0", "0", "N/A", "N/A", "N/A", "N/A", "N/A", "N/A", "N/A",
                               "N/A", "N/A"}));
        click(stats, QStringLiteral("cmdPutting"));
        QCOMPARE(
            shown(stats),
            (QStringList {"0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "N/A", "N/A", "N/A"}));
        QVERIFY(program.messages.shown.isEmpty());
    }

    void puttingViewBeforeAnyComputation()
    {
        TestProgram program;
        storeAnnAndBob(program);
        FormWindow *stats = openStats(program);
        click(stats, QStringLiteral("cmdPutting"));
        QCOMPARE(
            shown(stats),
            (QStringList {"0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "N/A", "N/A", "N/A"}));
    }

    // One nine of three holes played: the par types without a hole show N/A.
    void parTypesWithoutHoles_data()
    {
        QTest::addColumn<QList<int>>("pars");
        QTest::addColumn<QList<int>>("putts");
        QTest::addColumn<QStringList>("strokeView");
        QTest::addColumn<QStringList>("puttingView");
        QTest::newRow("no par 3") << QList<int> {4, 5, 4} << QList<int> {2, 2, 1}
                                  << QStringList {"N/A", "4.50", "6.00", "N/A", "9", "6"}
                                  << QStringList {"N/A", "1.50", "2.00", "N/A", "3", "2"};
        QTest::newRow("no par 4") << QList<int> {3, 5, 3} << QList<int> {2, 2, 1}
                                  << QStringList {"4.50", "N/A", "6.00", "9", "N/A", "6"}
                                  << QStringList {"1.50", "N/A", "2.00", "3", "N/A", "2"};
        QTest::newRow("only par 5s") << QList<int> {5, 5, 5} << QList<int> {2, 2, 1}
                                     << QStringList {"N/A", "N/A", "5.67", "N/A", "N/A", "17"}
                                     << QStringList {"0", "0", "1.67", "0", "0", "5"};
        QTest::newRow("no putts") << QList<int> {3, 4, 5} << QList<int> {}
                                  << QStringList {"5.00", "6.00", "4.00", "5", "6", "4"}
                                  << QStringList {"0", "0", "0", "0", "0", "0"};
    }
    void parTypesWithoutHoles()
    {
        QFETCH(QList<int>, pars);
        QFETCH(QList<int>, putts);
        QFETCH(QStringList, strokeView);
        QFETCH(QStringList, puttingView);
        TestProgram program;
        program.addCourse(sampleCourse(QStringLiteral("Short"), pars, false));
        program.addGolfer(QStringLiteral("Ann"));
        const QList<int> strokes = pars == QList<int> {5, 5, 5} ? QList<int> {5, 6, 6} : QList<int> {5, 6, 4};
        program.addRound(playedRound(QStringLiteral("Ann"), QStringLiteral("Short"), strokes, pars, putts));
        FormWindow *stats = openStats(program);
        calculate(stats, QStringLiteral("Ann"), QStringLiteral("Short"));
        QCOMPARE(shown(stats).mid(8, 6), strokeView);
        click(stats, QStringLiteral("cmdPutting"));
        QCOMPARE(shown(stats).mid(8, 6), puttingView);
        QCOMPARE(value(stats, "lblscoreb9"), QStringLiteral("N/A"));
    }

    void figuresAreFormatted_data()
    {
        QTest::addColumn<QList<int>>("parThreeStrokes");
        QTest::addColumn<QString>("average");
        QTest::addColumn<QString>("total");
        QTest::newRow("thirds round down") << QList<int> {3, 3, 4} << "3.33"
                                           << "10";
        QTest::newRow("thirds round up") << QList<int> {3, 4, 4} << "3.67"
                                         << "11";
        QTest::newRow("eighths round half up") << QList<int> {3, 3, 3, 3, 3, 3, 4, 11} << "4.13"
                                               << "33";
        QTest::newRow("thousands grouped") << QList<int> {1000, 2345} << "1672.50"
                                           << "3,345";
    }
    void figuresAreFormatted()
    {
        QFETCH(QList<int>, parThreeStrokes);
        QFETCH(QString, average);
        QFETCH(QString, total);
        TestProgram program;
        program.addCourse(sampleCourse(QStringLiteral("Short"), everyHole(3), false));
        program.addGolfer(QStringLiteral("Ann"));
        program.addRound(
            playedRound(QStringLiteral("Ann"), QStringLiteral("Short"), parThreeStrokes, everyHole(3), {}));
        FormWindow *stats = openStats(program);
        calculate(stats, QStringLiteral("Ann"), QStringLiteral("Short"));
        QCOMPARE(value(stats, "lblave3"), average);
        QCOMPARE(value(stats, "lblstrokes3"), total);
    }

    void missingChoiceIsRefused_data()
    {
        QTest::addColumn<QString>("golfer");
        QTest::addColumn<QString>("course");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("text");
        const QString noCourse = QStringLiteral("You must select a course to calculate");
        const QString noGolfer = QStringLiteral("You must select a Golfer for stats.");
        QTest::newRow("course prompt") << "Ann"
                                       << "Select Course"
                                       << "No Course Selected" << noCourse;
        QTest::newRow("course empty") << "Ann"
                                      << ""
                                      << "No Course Selected" << noCourse;
        QTest::newRow("both missing") << ""
                                      << ""
                                      << "No Course Selected" << noCourse;
        QTest::newRow("golfer prompt") << "Select Golfer"
                                       << "Pine"
                                       << "No Golfer Selected" << noGolfer;
        QTest::newRow("golfer prompt in blanks") << "  Select Golfer "
                                                 << "Pine"
                                                 << "No Golfer Selected" << noGolfer;
        QTest::newRow("golfer empty") << ""
                                      << "Pine"
                                      << "No Golfer Selected" << noGolfer;
    }
    void missingChoiceIsRefused()
    {
        QFETCH(QString, golfer);
        QFETCH(QString, course);
        QFETCH(QString, title);
        QFETCH(QString, text);
        TestProgram program;
        storeAnnAndBob(program);
        FormWindow *stats = openStats(program);
        calculate(stats, QStringLiteral("Ann"), QStringLiteral("Pine"));
        auto *players = stats->findChild<QComboBox *>(QStringLiteral("cboPlayer"));
        auto *courses = stats->findChild<QComboBox *>(QStringLiteral("cboCourse"));
        pick(stats, QStringLiteral("cboPlayer"), QStringLiteral("Bob"));
        players->setEditText(golfer);
        courses->setEditText(course);
        click(stats, QStringLiteral("cmdCalculateStats"));
        QCOMPARE(program.messages.shown.size(), 1);
        QCOMPARE(program.messages.shown[0].title, title);
        QCOMPARE(program.messages.shown[0].text, text);
        QCOMPARE(program.messages.shown[0].buttons, MessageButtons::Ok);
        QCOMPARE(shown(stats), annOnPineStrokes());
        QCOMPARE(program.context.state.stroke_count[8], 0.0);
        QVERIFY(!stats->findChild<QPushButton *>(QStringLiteral("cmdCalculateStats"))->isEnabled());
    }

    void eachComputationNeedsANewPick()
    {
        TestProgram program;
        storeAnnAndBob(program);
        FormWindow *stats = openStats(program);
        auto *calculateButton = stats->findChild<QPushButton *>(QStringLiteral("cmdCalculateStats"));
        QVERIFY(!calculateButton->isEnabled());
        pick(stats, QStringLiteral("cboPlayer"), QStringLiteral("Ann"));
        QVERIFY(calculateButton->isEnabled());
        click(stats, QStringLiteral("cmdCalculateStats"));
        QVERIFY(!calculateButton->isEnabled());
        pick(stats, QStringLiteral("cboCourse"), QStringLiteral("Oak"));
        QVERIFY(calculateButton->isEnabled());
        click(stats, QStringLiteral("cmdCalculateStats"));
        QCOMPARE(value(stats, "lblscore18"), QStringLiteral("126.00"));
    }

    void noRoundsAtAll()
    {
        TestProgram program;
        program.addCourse(sampleCourse(QStringLiteral("Pine"), pinePars()));
        program.addGolfer(QStringLiteral("Ann"));
        FormWindow *stats = openStats(program);
        calculate(stats, QStringLiteral("Ann"), QStringLiteral("Pine"));
        QCOMPARE(program.messages.titles(), QStringList {"No Recorded Rounds"});
        QCOMPARE(program.messages.shown[0].text, QStringLiteral("There are no Rounds to compute"));
        QCOMPARE(shown(stats).mid(8), QStringList(9, QStringLiteral("N/A")));
    }

    void returningFromTheMenuClearsCountersAndAverages()
    {
        TestProgram program;
        storeAnnAndBob(program);
        FormWindow *stats = openStats(program);
        calculate(stats, QStringLiteral("Ann"), QStringLiteral("Pine"));
        click(stats, QStringLiteral("cmdMainMenu"));
        QVERIFY(stats->isHidden());
        QVERIFY(program.windows.loaded(QStringLiteral("frmMain"))->isVisible());
        program.windows.show(QStringLiteral("frmStats"));
        QCOMPARE(shown(stats),
                 (QStringList {"0", "0", "0", "0", "0", "0", "0", "0", "0.00", "0.00", "0.00", "16", "68", "33",
                               "39.50", "38.00", "58.50"}));
        QCOMPARE(stats->findChild<QComboBox *>(QStringLiteral("cboPlayer"))->currentText(), QStringLiteral("Ann"));
    }

    void closingTheFrameReturnsToTheMenu()
    {
        TestProgram program;
        FormWindow *stats = openStats(program);
        stats->close();
        QVERIFY(stats->isHidden());
        QVERIFY(program.windows.loaded(QStringLiteral("frmMain"))->isVisible());
    }

    void refusedScorebookIsReportedAndKeepsTheFigures()
    {
        TestProgram program;
        storeAnnAndBob(program);
        FormWindow *stats = openStats(program);
        calculate(stats, QStringLiteral("Ann"), QStringLiteral("Pine"));
        {
            SQLite::Database db(program.context.databasePath().toStdString(), SQLite::OPEN_READWRITE);
            db.exec("DROP TABLE rounds");
        }
        calculate(stats, QStringLiteral("Bob"), QStringLiteral("Pine"));
        QCOMPARE(program.messages.shown.size(), 1);
        QCOMPARE(program.messages.shown[0].icon, MessageIcon::Critical);
        QVERIFY(!program.messages.shown[0].text.isEmpty());
        QCOMPARE(shown(stats), annOnPineStrokes());
        QVERIFY(stats->findChild<QPushButton *>(QStringLiteral("cmdCalculateStats"))->isEnabled());
    }

    void helpStartsTheViewer()
    {
        TestProgram program;
        FormWindow *stats = openStats(program);
        click(stats, QStringLiteral("cmdHelp"));
        QCOMPARE(program.launcher.started, QStringList {program.context.programFile(QStringLiteral("teeguide"))});
        QVERIFY(stats->isVisible());
    }
};

QTEST_MAIN(FrmStatsTest)
#include "tst_frm_stats.moc"
