#include "shell/frm_about.h"
#include "shell/frm_main.h"
#include "tests/support/driving.h"
#include "tests/support/test_files.h"
#include "tests/support/test_program.h"
#include "ui/pick_lists.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QComboBox>
#include <QFile>
#include <QtTest>

using namespace driving;

// Start-up, the main menu, the sound switch, help, exit, the about box, and
// the captions every window shows.
class StartupTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Start-up plays the swing once with the sound on and fills the lists, but builds no other
    // window: each is built when first shown. Then the main menu's sound switch, Help (the viewer
    // starts, or the user is told why not), and Exit to end.
    void startUpAndTheMainMenu_data()
    {
        QTest::addColumn<QStringList>("golfers");
        QTest::addColumn<QString>("rosterShows");
        QTest::newRow("no golfers") << QStringList() << "";
        QTest::newRow("two golfers") << QStringList {"Ann", "Bob"} << "Select / Add Golfer";
    }
    void startUpAndTheMainMenu()
    {
        QFETCH(QStringList, golfers);
        QFETCH(QString, rosterShows);
        TestProgram program;
        for (const QString &name : golfers) {
            program.addGolfer(name);
        }
        program.addCourse(sampleCourse(QStringLiteral("Pine"), {}));
        auto *main = static_cast<frmMain *>(program.startUp());
        main->show();
        const QStringList swing {program.context.sharedFile("golfswng.wav")};
        QCOMPARE(program.soundsPlayed, swing);
        for (const char *window : {"frmGolfer", "frmScoreround", "frmStats", "frmCourse", "frmNewCourse"}) {
            QVERIFY2(!program.windows.loaded(QString::fromLatin1(window)), window);
        }
        QCOMPARE(program.context.pickLists.golfers()->stringList(), golfers);
        QCOMPARE(program.context.pickLists.courses()->rowCount(), 1);

        QVERIFY(child<QAbstractButton>(main, QStringLiteral("Option1_0"))->isChecked());
        click(main, QStringLiteral("Option1_1"));
        main->play_swing();
        QCOMPARE(program.soundsPlayed, swing);
        click(main, QStringLiteral("Option1_0"));
        main->play_swing();
        QCOMPARE(program.soundsPlayed, swing + swing);

        click(main, QStringLiteral("cmdHelp"));
        const QString viewer = program.context.programFile(QStringLiteral("teeguide"));
        QCOMPARE(program.launcher.started, QStringList {viewer});
        program.launcher.succeed = false;
        click(main, QStringLiteral("cmdHelp"));
        QCOMPARE(program.messages.shown.size(), 1);
        QVERIFY(program.messages.shown[0].text.contains(viewer));

        click(main, QStringLiteral("cmdExit"));
        QCOMPARE(program.endRequests, 1);
        auto *roster = program.windows.show(QStringLiteral("frmGolfer"));
        QCOMPARE(child<QComboBox>(roster, QStringLiteral("cboAddGolfer"))->currentText(), rosterShows);
    }

    // A missing scorebook is offered to be created, No ends; a file that is no scorebook ends the
    // program and is left as it was. The message names the file and its folder.
    void scorebookThatCannotBeOpened_data()
    {
        QTest::addColumn<QByteArray>("content"); // none: no file
        QTest::addColumn<MessageAnswer>("answer");
        QTest::addColumn<QString>("title");
        QTest::addColumn<bool>("ready");
        QTest::newRow("missing, Yes creates") << QByteArray() << MessageAnswer::Yes << "Scorebook Not Found" << true;
        QTest::newRow("missing, No ends") << QByteArray() << MessageAnswer::No << "Scorebook Not Found" << false;
        QTest::newRow("no scorebook") << QByteArray("These are my notes, not a scorebook.") << MessageAnswer::Yes
                                      << "Scorebook Cannot Be Used" << false;
    }
    void scorebookThatCannotBeOpened()
    {
        QFETCH(QByteArray, content);
        QFETCH(MessageAnswer, answer);
        QFETCH(QString, title);
        QFETCH(bool, ready);
        TestProgram program;
        const QString path = program.context.databasePath();
        QVERIFY(QFile::remove(path));
        writeFile(path, content);
        program.messages.answers = {answer};
        auto *main = static_cast<frmMain *>(program.startUp());
        QCOMPARE(main->isReady(), ready);
        QCOMPARE(program.messages.titles(), QStringList {title});
        QVERIFY(program.messages.shown[0].text.contains(QLatin1String("teedat2000.mdb")));
        QVERIFY(program.messages.shown[0].text.contains(program.folder.path()));
        QCOMPARE(QFile::exists(path), ready || !content.isNull());
        if (!content.isNull()) {
            QCOMPARE(readFile(path), content);
        }
    }

    // The about box makes no click sound and leaving it mid-animation is silent; reopened, it starts
    // again and runs on its own timer to play its cup once at the end, even with the sound off.
    void aboutPlaysTheCupOnceAtTheEnd()
    {
        TestProgram program;
        auto *main = static_cast<frmMain *>(program.startUp());
        main->show();
        program.soundsPlayed.clear();
        click(main, QStringLiteral("cmdAbout"));
        QPointer<frmAbout> first = qobject_cast<frmAbout *>(program.windows.loaded(QStringLiteral("frmAbout")));
        QVERIFY(first && first->isVisible() && !main->isVisible());
        first->Timer1_Timer();
        click(first, QStringLiteral("cmdMainMenu"));
        QVERIFY(main->isVisible());
        QTRY_VERIFY(first.isNull());
        QVERIFY(program.soundsPlayed.isEmpty());

        click(main, QStringLiteral("Option1_1"));
        click(main, QStringLiteral("cmdAbout"));
        auto *about = qobject_cast<frmAbout *>(program.windows.loaded(QStringLiteral("frmAbout")));
        QVERIFY(about->isAnimating());
        QTRY_VERIFY_WITH_TIMEOUT(!about->isAnimating(), 10000);
        QVERIFY(child(about, QStringLiteral("imgBall"))->isHidden());
        QCOMPARE(program.soundsPlayed, QStringList {program.context.sharedFile("cup.wav")});
        about->close(); // the frame's close button leaves like Main Menu
        QVERIFY(main->isVisible());
        QVERIFY(!program.windows.loaded(QStringLiteral("frmAbout")));
        main->close(); // and on the main menu it ends the program
        QCOMPARE(program.endRequests, 1);
    }

    // Every window (named by the row) with its title, and its buttons as "name|caption|tooltip"; a screen
    // reader announces a button by its caption.
    void windowTexts_data()
    {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QStringList>("buttons");
        auto row = [](const char *window, const char *title, const QStringList &buttons) {
            QTest::newRow(window) << QString::fromUtf8(title) << buttons;
        };
        const QString help = QStringLiteral("cmdHelp|| Click Here for HELP ");
        row("frmMain", " Varnholt",
            {help, "cmdGolferInfo|&Golfer Info| Click Here to Enter New Golfer Infomation ",
             "cmdCourseInfo|&Course Info| Enter New of Update Course Information ",
             "cmdRoundInfo|&Score Round| Click Here to Enter Your Score for a Round of Golf ",
             "cmdStatInfo|&Stat Infor| Check out your statistics for a course ",
             "cmdAbout|&About| Information about Varnholt from Quendry ", "cmdExit|E&xit| See you later! ",
             "cmdHandicap|&Handicap| Your Handicap Index and how it was worked out ",
             "cmdTrends|&Trends| See how your scores, putts and handicap go over time "});
        row("frmCourse", "Enter New or Update Selected Course Information",
            {help, "cmdNine|&Back Nine| View the Back Nine Information ",
             "cmdNewCourseInfo|&Enter New or Edit a Course| Enter a New Course or Edit an Existing Course ",
             "cmdExit|&Main Menu| Back to the Main Menu ",
             "cmdExport|E&xport Courses…| Write every course to a CSV file ",
             "cmdImport|&Import…| Add the new courses, golfers or rounds of a CSV file "});
        row("frmNewCourse", "Enter New Course Data",
            {help, "cmdf9|&Back Nine|", "cmdSaveData|&Save Course|", "cmdViewCourse|&View Course|",
             "cmdMainMenu|&Main Menu|"});
        row("frmScoreround", "Enter Score for a Course",
            {help, "cmdNine|&Back Nine| Enter your score on the Back Nine ",
             "cmdViewPR|&View Prior Rounds| Show all rounds entered to date ",
             "cmdSave|&Save| Save this round of Golf Information ", "cmdExit|&Main Menu| Back to the Main Menu ",
             "cmdPrint|Pri&nt…| Print this score card ", "cmdPdf|Save as P&DF…| Save this score card as a PDF file "});
        row("frmStats", "Player Stats",
            {help, "cmdCalculateStats|&Calculate Stats| Click Here to Calculate your latest Stats ",
             "cmdPutting|&Putting| Click here to see your putting  or stroke stats ",
             "cmdTrends|&Trends| See this golfer's scores, putts and handicap over time ",
             "cmdPrint|Pri&nt…| Print these statistics ", "cmdPdf|Save as P&DF…| Save these statistics as a PDF file ",
             "cmdMainMenu|&Main Menu| I want to go back to the Main Menu "});
        row("frmGolfer", "Enter Golfer Information",
            {"cmdSaveName|&Add| Add a Golfer", "cmdDeleteGolfer|&Delete| Delete a Golfer ",
             "cmdExit|&Main Menu|Go Back to the Main Menu ",
             "cmdHandicap|&Handicap| The Handicap Index of this golfer ",
             "cmdRoundDetails|Fill in &round details...| Tee and date of this golfer's rounds saved before handicaps ",
             help});
        row("frmRoundDetails", "Fill In Round Details",
            {help, "cmdSave|&Save| Store the tee and date of every round marked to count ",
             "cmdBack|&Back to Golfers| Back to the golfer roster "});
        row("frmViewPR", " Prior Round Played",
            {"cmdExport|&Export…| Write the rounds of the golfer chosen beside, or all, to a CSV file "});
        row("frmHandicap", "Handicap Index", {help, "cmdMainMenu|&Main Menu| Back to the Main Menu "});
        row("frmTrends", "Trends", {help, "cmdDone|&Done| Close the trends "});
        row("frmAbout", "About Varnholt ", {"cmdMainMenu|&Main Menu| Back to the Main Menu "});
    }

    void windowTexts()
    {
        QFETCH(QString, title);
        QFETCH(QStringList, buttons);
        TestProgram program;
        program.startUp();
        QWidget *shown = program.windows.show(QString::fromLatin1(QTest::currentDataTag()));
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
