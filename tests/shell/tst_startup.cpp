#include "shell/frm_about.h"
#include "shell/frm_main.h"
#include "tests/support/driving.h"
#include "tests/support/test_program.h"
#include "ui/pick_lists.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QComboBox>
#include <QFile>
#include <QRegularExpression>
#include <QToolButton>
#include <QtTest>

using namespace driving;

// Start-up, the main menu, the sound switch, help, exit, the about box, and
// the captions every window shows.
class StartupTest : public QObject
{
    Q_OBJECT

private:
    static frmMain *startShown(TestProgram &program)
    {
        auto *main = static_cast<frmMain *>(program.startUp());
        main->show();
        return main;
    }

    static frmAbout *openAbout(TestProgram &program, QWidget *main)
    {
        click(main, QStringLiteral("cmdAbout"));
        return qobject_cast<frmAbout *>(program.windows.loaded(QStringLiteral("frmAbout")));
    }

private Q_SLOTS:
    // The six menu buttons keep their order; Handicap and Trends come after them.
    void startUpPlaysTheSwingOnceAndShowsTheMenu()
    {
        TestProgram program;
        auto *main = static_cast<frmMain *>(program.startUp());
        QVERIFY(main->isReady());
        QCOMPARE(program.soundsPlayed, QStringList {program.context.sharedFile("golfswng.wav")});
        QVERIFY(program.messages.shown.isEmpty());
        QVERIFY(child<QAbstractButton>(main, QStringLiteral("Option1_0"))->isChecked());
        QStringList buttons;
        for (QToolButton *button : main->findChildren<QToolButton *>(QRegularExpression(QStringLiteral("^cmd")))) {
            QVERIFY2(!button->isHidden() && !button->icon().isNull(), qPrintable(button->objectName()));
            buttons.append(button->objectName());
        }
        QCOMPARE(buttons,
                 (QStringList {"cmdGolferInfo", "cmdCourseInfo", "cmdRoundInfo", "cmdStatInfo", "cmdAbout", "cmdExit",
                               "cmdHandicap", "cmdTrends"}));
    }

    // Start-up fills the lists but builds no other window: each is built when first shown.
    void golferListsFilledOnlyWhenGolfersExist_data()
    {
        QTest::addColumn<QStringList>("golfers");
        QTest::addColumn<QString>("shown");
        QTest::newRow("none") << QStringList() << "";
        QTest::newRow("two") << QStringList {"Ann", "Bob"} << "Select / Add Golfer";
    }
    void golferListsFilledOnlyWhenGolfersExist()
    {
        QFETCH(QStringList, golfers);
        QFETCH(QString, shown);
        TestProgram program;
        for (const QString &name : golfers) {
            program.addGolfer(name);
        }
        program.addCourse(sampleCourse(QStringLiteral("Pine"), {}));
        program.startUp();
        for (const char *window : {"frmGolfer", "frmScoreround", "frmStats", "frmCourse", "frmNewCourse"}) {
            QVERIFY2(!program.windows.loaded(QString::fromLatin1(window)), window);
        }
        QCOMPARE(program.context.pickLists.golfers()->stringList(), golfers);
        QCOMPARE(program.context.pickLists.courses()->rowCount(), 1);
        auto *roster = program.windows.show(QStringLiteral("frmGolfer"));
        QCOMPARE(child<QComboBox>(roster, QStringLiteral("cboAddGolfer"))->currentText(), shown);
    }

    void missingScorebookIsOfferedToBeCreated_data()
    {
        QTest::addColumn<MessageAnswer>("answer");
        QTest::addColumn<bool>("ready");
        QTest::newRow("yes creates") << MessageAnswer::Yes << true;
        QTest::newRow("no ends") << MessageAnswer::No << false;
    }
    void missingScorebookIsOfferedToBeCreated()
    {
        QFETCH(MessageAnswer, answer);
        QFETCH(bool, ready);
        TestProgram program;
        QVERIFY(QFile::remove(program.context.databasePath()));
        program.messages.answers = {answer};
        auto *main = static_cast<frmMain *>(program.startUp());
        QCOMPARE(main->isReady(), ready);
        QCOMPARE(program.messages.shown.size(), 1);
        QVERIFY(program.messages.shown[0].text.contains(QLatin1String("teedat2000.mdb")));
        QVERIFY(program.messages.shown[0].text.contains(program.folder.path()));
        QCOMPARE(QFile::exists(program.context.databasePath()), ready);
    }

    void fileThatIsNoScorebookEndsWithoutTouchingIt()
    {
        TestProgram program;
        const QByteArray content("These are my notes, not a scorebook.");
        QFile file(program.context.databasePath());
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(content);
        file.close();
        auto *main = static_cast<frmMain *>(program.startUp());
        QVERIFY(!main->isReady());
        QCOMPARE(program.messages.titles(), QStringList {"Scorebook Cannot Be Used"});
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), content);
    }

    void soundSwitch()
    {
        TestProgram program;
        frmMain *main = startShown(program);
        program.soundsPlayed.clear();
        click(main, QStringLiteral("Option1_1"));
        main->play_swing();
        QVERIFY(program.soundsPlayed.isEmpty());
        click(main, QStringLiteral("Option1_0"));
        main->play_swing();
        QCOMPARE(program.soundsPlayed, QStringList {program.context.sharedFile("golfswng.wav")});
    }

    void helpStartsAnotherCopyEachPressAndExitEnds()
    {
        TestProgram program;
        frmMain *main = startShown(program);
        click(main, QStringLiteral("cmdHelp"));
        click(main, QStringLiteral("cmdHelp"));
        const QString viewer = program.context.programFile(QStringLiteral("teeguide"));
        QCOMPARE(program.launcher.started, (QStringList {viewer, viewer}));
        QVERIFY(program.messages.shown.isEmpty());
        program.launcher.succeed = false;
        click(main, QStringLiteral("cmdHelp"));
        QCOMPARE(program.messages.shown.size(), 1);
        QVERIFY(program.messages.shown[0].text.contains(viewer));

        click(main, QStringLiteral("cmdExit"));
        QCOMPARE(program.endRequests, 1);
        TestProgram closed;
        startShown(closed)->close(); // the frame's close button ends likewise
        QCOMPARE(closed.endRequests, 1);
    }

    // The about box makes no click sound and leaving it mid-animation is silent; reopened, it starts
    // again and runs on its own timer to play its cup once at the end, even with the sound off.
    void aboutPlaysTheCupOnceAtTheEnd()
    {
        TestProgram program;
        frmMain *main = startShown(program);
        program.soundsPlayed.clear();
        QPointer<frmAbout> first = openAbout(program, main);
        QVERIFY(first && first->isVisible() && !main->isVisible());
        first->Timer1_Timer();
        click(first, QStringLiteral("cmdMainMenu"));
        QVERIFY(main->isVisible());
        QTRY_VERIFY(first.isNull());
        QVERIFY(program.soundsPlayed.isEmpty());

        click(main, QStringLiteral("Option1_1"));
        frmAbout *about = openAbout(program, main);
        QVERIFY(about->isAnimating());
        QTRY_VERIFY_WITH_TIMEOUT(!about->isAnimating(), 10000);
        QVERIFY(child(about, QStringLiteral("imgBall"))->isHidden());
        QCOMPARE(program.soundsPlayed, QStringList {program.context.sharedFile("cup.wav")});
        about->close(); // the frame's close button leaves like Main Menu
        QVERIFY(main->isVisible());
        QVERIFY(!program.windows.loaded(QStringLiteral("frmAbout")));
    }

    // Every window's title, and its buttons as "name|caption|tooltip"; a screen
    // reader announces a button by its caption.
    void windowTexts_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QStringList>("buttons");
        const QString help = QStringLiteral("cmdHelp|| Click Here for HELP ");
        QTest::newRow("main") << "frmMain"
                              << " Varnholt"
                              << QStringList {
                                     "cmdGolferInfo|&Golfer Info| Click Here to Enter New Golfer Infomation ",
                                     "cmdCourseInfo|&Course Info| Enter New of Update Course Information ",
                                     "cmdRoundInfo|&Score Round| Click Here to Enter Your Score for a Round of Golf ",
                                     "cmdStatInfo|&Stat Infor| Check out your statistics for a course ",
                                     "cmdAbout|&About| Information about Varnholt from Quendry ",
                                     "cmdExit|E&xit| See you later! ",
                                     "cmdHandicap|&Handicap| Your Handicap Index and how it was worked out ",
                                     "cmdTrends|&Trends| See how your scores, putts and handicap go over time ",
                                     help};
        QTest::newRow("course viewer")
            << "frmCourse"
            << "Enter New or Update Selected Course Information"
            << QStringList {
                   "cmdNine|&Back Nine| View the Back Nine Information ",
                   "cmdNewCourseInfo|&Enter New or Edit a Course| Enter a New Course or Edit an Existing Course ",
                   "cmdExit|&Main Menu| Back to the Main Menu ",
                   "cmdExport|E&xport Courses…| Write every course to a CSV file ",
                   "cmdImport|&Import…| Add the new courses, golfers or rounds of a CSV file ",
                   help};
        QTest::newRow("course editor") << "frmNewCourse"
                                       << "Enter New Course Data"
                                       << QStringList {"cmdf9|&Back Nine|", "cmdSaveData|&Save Course|",
                                                       "cmdViewCourse|&View Course|", "cmdMainMenu|&Main Menu|", help};
        QTest::newRow("score card") << "frmScoreround"
                                    << "Enter Score for a Course"
                                    << QStringList {"cmdNine|&Back Nine| Enter your score on the Back Nine ",
                                                    "cmdViewPR|&View Prior Rounds| Show all rounds entered to date ",
                                                    "cmdSave|&Save| Save this round of Golf Information ",
                                                    "cmdExit|&Main Menu| Back to the Main Menu ",
                                                    "cmdPrint|Pri&nt…| Print this score card ",
                                                    "cmdPdf|Save as P&DF…| Save this score card as a PDF file ",
                                                    help};
        QTest::newRow("stats") << "frmStats"
                               << "Player Stats"
                               << QStringList {
                                      "cmdCalculateStats|&Calculate Stats| Click Here to Calculate your latest Stats ",
                                      "cmdPutting|&Putting| Click here to see your putting  or stroke stats ",
                                      "cmdTrends|&Trends| See this golfer's scores, putts and handicap over time ",
                                      "cmdPrint|Pri&nt…| Print these statistics ",
                                      "cmdPdf|Save as P&DF…| Save these statistics as a PDF file ",
                                      "cmdMainMenu|&Main Menu| I want to go back to the Main Menu ",
                                      help};
        QTest::newRow("golfers") << "frmGolfer"
                                 << "Enter Golfer Information"
                                 << QStringList {"cmdSaveName|&Add| Add a Golfer",
                                                 "cmdDeleteGolfer|&Delete| Delete a Golfer ",
                                                 "cmdExit|&Main Menu|Go Back to the Main Menu ",
                                                 "cmdHandicap|&Handicap| The Handicap Index of this golfer ",
                                                 "cmdRoundDetails|Fill in &round details...| Tee and date of this "
                                                 "golfer's rounds saved before handicaps ",
                                                 help};
        QTest::newRow("round details") << "frmRoundDetails"
                                       << "Fill In Round Details"
                                       << QStringList {
                                              "cmdSave|&Save| Store the tee and date of every round marked to count ",
                                              "cmdBack|&Back to Golfers| Back to the golfer roster ", help};
        QTest::newRow("prior rounds")
            << "frmViewPR"
            << " Prior Round Played"
            << QStringList {"cmdExport|&Export…| Write the rounds of the golfer chosen beside, or all, to a CSV file "};
        QTest::newRow("handicap") << "frmHandicap"
                                  << "Handicap Index"
                                  << QStringList {"cmdMainMenu|&Main Menu| Back to the Main Menu ", help};
        QTest::newRow("trends") << "frmTrends"
                                << "Trends" << QStringList {"cmdDone|&Done| Close the trends ", help};
        QTest::newRow("about") << "frmAbout"
                               << "About Varnholt " << QStringList {"cmdMainMenu|&Main Menu| Back to the Main Menu "};
    }
    void windowTexts()
    {
        QFETCH(QString, window);
        QFETCH(QString, title);
        QFETCH(QStringList, buttons);
        TestProgram program;
        program.startUp();
        QWidget *shown = program.windows.show(window);
        QCOMPARE(shown->windowTitle(), title);
        for (const QString &row : buttons) {
            const QStringList parts = row.split(QLatin1Char('|'));
            auto *button = child<QAbstractButton>(shown, parts[0]);
            QCOMPARE(button->text(), parts[1]);
            QCOMPARE(button->toolTip(), parts[2]);
            QCOMPARE(QAccessible::queryAccessibleInterface(button)->text(QAccessible::Name),
                     parts[1].isEmpty() ? QStringLiteral("Help") : QString(parts[1]).remove(QLatin1Char('&')));
        }
    }
};

QTEST_MAIN(StartupTest)
#include "tst_startup.moc"
