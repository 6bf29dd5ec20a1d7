#include "tests/core/played_round.h"
#include "tests/support/test_program.h"
#include "ui/form_window.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QtTest>

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

    static QPushButton *button(QWidget *window, const char *name) { return window->findChild<QPushButton *>(name); }

    static void click(QWidget *window, const char *name)
    {
        QVERIFY(button(window, name) && button(window, name)->isVisible());
        QTest::mouseClick(button(window, name), Qt::LeftButton);
    }

    static void calculate(QWidget *window, const QString &golfer, const QString &course)
    {
        pick(window, QStringLiteral("cboPlayer"), golfer);
        pick(window, QStringLiteral("cboCourse"), course);
        click(window, "cmdCalculateStats");
    }

    static QString value(QWidget *window, const char *name) { return window->findChild<QLabel *>(name)->text(); }

    // The figures in screen order: recap with holes in one, averages, totals, rounds.
    static QString shown(QWidget *window)
    {
        QStringList values;
        for (const char *name :
             {"lbldea", "lblea", "lblbi", "lblpa", "lblbo", "lbldbo", "lbltbo", "lblhio", "lblave3", "lblave4",
              "lblave5", "lblstrokes3", "lblstrokes4", "lblstrokes5", "lblscoref9", "lblscoreb9", "lblscore18"}) {
            values.append(value(window, name));
        }
        return values.join(QLatin1Char(' '));
    }

    // The four frame titles, blanks kept.
    static QString frames(QWidget *window)
    {
        QStringList titles;
        for (const char *name : {"fraScoreRecap", "fraAveRecap", "fraTotals", "fraRounds"}) {
            titles.append(window->findChild<QGroupBox *>(QString::fromLatin1(name))->title());
        }
        return titles.join(QLatin1Char('|'));
    }

    // Stores Ann's, Bob's and Cleo's scorebook and opens the window.
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

    // Ann on Pine, worked out by hand. Round 1 front 38 (birdie 1, pars 5,
    // bogeys 3), back 38 with an ace on the par-3 11th (eagle 1, pars 5,
    // bogeys 2, double 1); round 2 front only, 41 (pars 4, bogeys 5).
    // Par 3s: 3+2+1+3+4+3 = 16 over 6; par 5s: 6+5+5+6+5+6 = 33 over 6;
    // par 4s: 117-16-33 = 68 over 15.
    static constexpr const char *annOnPineStrokes = "0 1 1 14 10 1 0 1 2.67 4.53 5.50 16 68 33 39.50 38.00 58.50";
    // Putts: the ace had none, so 26 holes. Par 3s: 1+1+2+2+2 = 8 over 5;
    // par 5s: 2+2+2+2+2+3 = 13 over 6; par 4s: 50-8-13 = 29 over 15.
    // Nines: front 16 and 18, back 16, rounds 32 and 18.
    static constexpr const char *annOnPinePutts = "0 0 1 14 10 1 0 1 1.60 1.93 2.17 8 29 13 17.00 16.00 25.00";
    static constexpr const char *noPutts = "0 0 0 0 0 0 0 0 0 0 0 0 0 0 N/A N/A N/A";

private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void windowCarriesItsTextsHelpAndWayBack()
    {
        TestProgram program;
        FormWindow *stats = openStats(program);
        QCOMPARE(stats->windowTitle(), QStringLiteral("Player Stats"));
        QCOMPARE(value(stats, "lblPlayerStats"), QStringLiteral("Player Statistics"));
        for (const auto &[name, caption, tip] :
             {std::tuple {"cmdCalculateStats", "&Calculate Stats", " Click Here to Calculate your latest Stats "},
              {"cmdPutting", "&Putting", " Click here to see your putting  or stroke stats "},
              {"cmdMainMenu", "&Main Menu", " I want to go back to the Main Menu "},
              {"cmdHelp", "", " Click Here for HELP "}}) {
            QCOMPARE(button(stats, name)->text(), QString::fromLatin1(caption));
            QCOMPARE(button(stats, name)->toolTip(), QString::fromLatin1(tip));
            QVERIFY2(!button(stats, name)->accessibleName().isEmpty(), name);
        }
        QVERIFY(!button(stats, "cmdHelp")->icon().isNull());
        QVERIFY(!button(stats, "cmdCalculateStats")->isEnabled());
        QCOMPARE(frames(stats), QStringLiteral(" Par Recap |Ave Strokes|Strokes Total|Strokes Per Round"));
        QStringList captions;
        for (QLabel *label : stats->findChildren<QLabel *>()) {
            captions.append(label->text());
        }
        for (const char *caption : {"Double Eagles", "Eagles", "Birdies", "Pars", "Boggies", "Double Boggies",
                                    "Triple Boggies or More", "Holes In One", "Par 3's :", "Par 4's :", "Par 5's :",
                                    "Average Front Nine :", "Average Back Nine  :", "Average Round 18   :"}) {
            QVERIFY2(captions.contains(QString::fromLatin1(caption)), caption);
        }
        QCOMPARE(shown(stats), QStringLiteral("0 0 0 0 0 0 0 0 0.00 0.00 0.00 0 0 0 0 0 0"));
        QCOMPARE(stats->findChild<QComboBox *>(QStringLiteral("cboPlayer"))->currentText(),
                 QStringLiteral("Select Golfer"));
        QCOMPARE(stats->findChild<QComboBox *>(QStringLiteral("cboCourse"))->currentText(),
                 QStringLiteral("Select Course"));

        click(stats, "cmdHelp");
        QCOMPARE(program.launcher.started, QStringList {program.context.programFile(QStringLiteral("teeguide"))});
        QVERIFY(stats->isVisible());
        stats->close();
        QVERIFY(stats->isHidden());
        QVERIFY(program.windows.loaded(QStringLiteral("frmMain"))->isVisible());
    }

    // Computed twice in a row, with the view switched between: the same figures.
    void realisticRoundsShowHandWorkedFigures()
    {
        TestProgram program;
        FormWindow *stats = openWithAnnAndBob(program);
        auto *players = stats->findChild<QComboBox *>(QStringLiteral("cboPlayer"));
        auto *courses = stats->findChild<QComboBox *>(QStringLiteral("cboCourse"));
        for (int computation = 0; computation < 2; ++computation) {
            calculate(stats, QStringLiteral("Ann"), QStringLiteral("Pine"));
            QCOMPARE(shown(stats), QLatin1String(annOnPineStrokes));
            QCOMPARE(frames(stats), QStringLiteral(" Par Recap Strokes | Ave Strokes |Stroke Total|Strokes Per Round"));
            QVERIFY(program.messages.shown.isEmpty());

            click(stats, "cmdPutting");
            QCOMPARE(shown(stats), QLatin1String(annOnPinePutts));
            QCOMPARE(button(stats, "cmdPutting")->text(), QStringLiteral("&Strokes"));
            QCOMPARE(frames(stats), QStringLiteral(" Par Recap Putting | Ave Putts |Putt Total|Putts Per Round"));
            QVERIFY(players->isHidden() && courses->isHidden());

            click(stats, "cmdPutting");
            QCOMPARE(shown(stats), QLatin1String(annOnPineStrokes));
            QCOMPARE(button(stats, "cmdPutting")->text(), QStringLiteral("&Putting"));
            QVERIFY(players->isVisible() && courses->isVisible());
        }
        // A golfer without rounds next: no figure of Ann's stays on screen.
        calculate(stats, QStringLiteral("Cleo"), QStringLiteral("Pine"));
        QCOMPARE(shown(stats), QStringLiteral("0 0 0 0 0 0 0 0 N/A N/A N/A N/A N/A N/A N/A N/A N/A"));
        click(stats, "cmdPutting");
        QCOMPARE(shown(stats), QLatin1String(noPutts));
        QVERIFY(program.messages.shown.isEmpty());
    }

    // One nine played on a nine-hole course: par types without a hole show N/A, the formats round and group.
    void figuresOfOneNine_data()
    {
        QTest::addColumn<QList<int>>("pars");
        QTest::addColumn<QList<int>>("strokes");
        QTest::addColumn<QList<int>>("putts");
        // Average and total of par 3s, par 4s and par 5s.
        QTest::addColumn<QString>("strokeView");
        QTest::addColumn<QString>("puttingView");
        const QList<int> threes = everyHole(3), somePutts = {2, 2, 1};
        QTest::newRow("no par 3") << QList<int> {4, 5, 4} << QList<int> {5, 6, 4} << somePutts
                                  << "N/A 4.50 6.00 N/A 9 6"
                                  << "N/A 1.50 2.00 N/A 3 2";
        QTest::newRow("no par 4") << QList<int> {3, 5, 3} << QList<int> {5, 6, 4} << somePutts
                                  << "4.50 N/A 6.00 9 N/A 6"
                                  << "1.50 N/A 2.00 3 N/A 2";
        QTest::newRow("only par 5s") << QList<int> {5, 5, 5} << QList<int> {5, 6, 6} << somePutts
                                     << "N/A N/A 5.67 N/A N/A 17"
                                     << "0 0 1.67 0 0 5";
        QTest::newRow("no putts") << QList<int> {3, 4, 5} << QList<int> {5, 6, 4} << QList<int> {}
                                  << "5.00 6.00 4.00 5 6 4"
                                  << "0 0 0 0 0 0";
        QTest::newRow("thirds round down")
            << threes << QList<int> {3, 3, 4} << QList<int> {} << "3.33 N/A N/A 10 N/A N/A"
            << "0 0 0 0 0 0";
        QTest::newRow("thirds round up") << threes << QList<int> {3, 4, 4} << QList<int> {} << "3.67 N/A N/A 11 N/A N/A"
                                         << "0 0 0 0 0 0";
        QTest::newRow("eighths round half up")
            << threes << QList<int> {3, 3, 3, 3, 3, 3, 4, 11} << QList<int> {} << "4.13 N/A N/A 33 N/A N/A"
            << "0 0 0 0 0 0";
        QTest::newRow("thousands grouped")
            << threes << QList<int> {1000, 2345} << QList<int> {} << "1672.50 N/A N/A 3,345 N/A N/A"
            << "0 0 0 0 0 0";
    }
    void figuresOfOneNine()
    {
        QFETCH(QList<int>, pars);
        QFETCH(QList<int>, strokes);
        QFETCH(QList<int>, putts);
        QFETCH(QString, strokeView);
        QFETCH(QString, puttingView);
        TestProgram program;
        program.addCourse(sampleCourse(QStringLiteral("Short"), pars, false));
        program.addGolfer(QStringLiteral("Ann"));
        program.addRound(playedRound(QStringLiteral("Ann"), QStringLiteral("Short"), strokes, pars, putts));
        FormWindow *stats = openStats(program);
        calculate(stats, QStringLiteral("Ann"), QStringLiteral("Short"));
        QCOMPARE(shown(stats).section(QLatin1Char(' '), 8, 13), strokeView);
        click(stats, "cmdPutting");
        QCOMPARE(shown(stats).section(QLatin1Char(' '), 8, 13), puttingView);
        QCOMPARE(value(stats, "lblscoreb9"), QStringLiteral("N/A"));
    }

    void missingChoiceIsRefused_data()
    {
        QTest::addColumn<QString>("golfer");
        QTest::addColumn<QString>("course");
        QTest::addColumn<QString>("title");
        const auto row = [](const char *name, const char *golfer, const char *course, const char *title) {
            QTest::newRow(name) << QString::fromLatin1(golfer) << QString::fromLatin1(course)
                                << QString::fromLatin1(title);
        };
        row("course prompt", "Ann", "Select Course", "No Course Selected");
        row("course empty", "Ann", "", "No Course Selected");
        row("both missing", "", "", "No Course Selected");
        row("golfer prompt", "Select Golfer", "Pine", "No Golfer Selected");
        row("golfer prompt in blanks", "  Select Golfer ", "Pine", "No Golfer Selected");
        row("golfer empty", "", "Pine", "No Golfer Selected");
    }
    void missingChoiceIsRefused()
    {
        QFETCH(QString, golfer);
        QFETCH(QString, course);
        QFETCH(QString, title);
        TestProgram program;
        FormWindow *stats = openWithAnnAndBob(program);
        calculate(stats, QStringLiteral("Ann"), QStringLiteral("Pine"));
        pick(stats, QStringLiteral("cboPlayer"), QStringLiteral("Bob"));
        stats->findChild<QComboBox *>(QStringLiteral("cboPlayer"))->setEditText(golfer);
        stats->findChild<QComboBox *>(QStringLiteral("cboCourse"))->setEditText(course);
        click(stats, "cmdCalculateStats");
        QCOMPARE(program.messages.shown.size(), 1);
        QCOMPARE(program.messages.shown[0].title, title);
        QCOMPARE(program.messages.shown[0].text,
                 title.contains(QLatin1String("Course")) ? QStringLiteral("You must select a course to calculate")
                                                         : QStringLiteral("You must select a Golfer for stats."));
        QCOMPARE(program.messages.shown[0].buttons, MessageButtons::Ok);
        QCOMPARE(shown(stats), QLatin1String(annOnPineStrokes));
        QVERIFY(!button(stats, "cmdCalculateStats")->isEnabled());
    }

    void eachComputationNeedsANewPick()
    {
        TestProgram program;
        FormWindow *stats = openWithAnnAndBob(program);
        QVERIFY(!button(stats, "cmdCalculateStats")->isEnabled());
        pick(stats, QStringLiteral("cboPlayer"), QStringLiteral("Ann"));
        QVERIFY(button(stats, "cmdCalculateStats")->isEnabled());
        click(stats, "cmdCalculateStats");
        QVERIFY(!button(stats, "cmdCalculateStats")->isEnabled());
        pick(stats, QStringLiteral("cboCourse"), QStringLiteral("Oak"));
        QVERIFY(button(stats, "cmdCalculateStats")->isEnabled());
        click(stats, "cmdCalculateStats");
        QCOMPARE(value(stats, "lblscore18"), QStringLiteral("126.00"));
    }

    // The putting view before any computation, then a computation over an empty table.
    void noRoundsAtAll()
    {
        TestProgram program;
        program.addCourse(sampleCourse(QStringLiteral("Pine"), pinePars()));
        program.addGolfer(QStringLiteral("Ann"));
        FormWindow *stats = openStats(program);
        click(stats, "cmdPutting");
        QCOMPARE(shown(stats), QLatin1String(noPutts));
        click(stats, "cmdPutting");
        calculate(stats, QStringLiteral("Ann"), QStringLiteral("Pine"));
        QCOMPARE(program.messages.titles(), QStringList {"No Recorded Rounds"});
        QCOMPARE(shown(stats).section(QLatin1Char(' '), 8), QStringLiteral("N/A N/A N/A N/A N/A N/A N/A N/A N/A"));
    }

    void returningFromTheMenuClearsCountersAndAverages()
    {
        TestProgram program;
        FormWindow *stats = openWithAnnAndBob(program);
        calculate(stats, QStringLiteral("Ann"), QStringLiteral("Pine"));
        click(stats, "cmdMainMenu");
        QVERIFY(stats->isHidden());
        QVERIFY(program.windows.loaded(QStringLiteral("frmMain"))->isVisible());
        program.windows.show(QStringLiteral("frmStats"));
        QCOMPARE(shown(stats), QStringLiteral("0 0 0 0 0 0 0 0 0.00 0.00 0.00 16 68 33 39.50 38.00 58.50"));
        QCOMPARE(stats->findChild<QComboBox *>(QStringLiteral("cboPlayer"))->currentText(), QStringLiteral("Ann"));
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
        QVERIFY(!program.messages.shown[0].text.isEmpty());
        QCOMPARE(shown(stats), QLatin1String(annOnPineStrokes));
        QVERIFY(button(stats, "cmdCalculateStats")->isEnabled());
    }
};

QTEST_MAIN(FrmStatsTest)
#include "tst_frm_stats.moc"
