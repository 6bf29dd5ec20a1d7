#include "shell/frm_about.h"
#include "shell/frm_main.h"
#include "ui/pick_lists.h"
#include "tests/support/test_program.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QFile>
#include <QRadioButton>
#include <QtTest>

// Start-up, the main menu, the sound switch, help, exit and the about box.
class StartupTest : public QObject
{
    Q_OBJECT

private:
    static void click(QAbstractButton *button)
    {
        QVERIFY(button && button->isVisible());
        QTest::mouseClick(button, Qt::LeftButton);
    }

    static void click(QWidget *window, const QString &name) { click(window->findChild<QAbstractButton *>(name)); }

    static frmMain *startShown(TestProgram &program)
    {
        auto *main = static_cast<frmMain *>(program.startUp());
        main->show();
        return main;
    }

private Q_SLOTS:
    void startUpPlaysTheSwingAndShowsEveryButton()
    {
        TestProgram program;
        auto *main = static_cast<frmMain *>(program.startUp());
        QVERIFY(main->isReady());
        QCOMPARE(program.soundCommands, (QStringList {"open", "PLAY", "PREV", "open"}));
        QCOMPARE(program.soundsPlayed, QStringList {program.context.sharedFile("golfswng.wav")});
        QVERIFY(program.messages.shown.isEmpty());
        QVERIFY(main->findChild<QRadioButton *>(QStringLiteral("Option1_0"))->isChecked());
        QCOMPARE(main->windowTitle(), QStringLiteral(" Varnholt"));
        for (const char *name :
             {"cmdGolferInfo", "cmdCourseInfo", "cmdRoundInfo", "cmdStatInfo", "cmdAbout", "cmdExit", "cmdHelp"}) {
            auto *button = main->findChild<QAbstractButton *>(QString::fromLatin1(name));
            QVERIFY2(!button->icon().isNull(), name);
            QVERIFY2(!button->isHidden(), name);
        }
        QCOMPARE(main->findChild<QAbstractButton *>(QStringLiteral("cmdExit"))->toolTip(),
                 QStringLiteral(" See you later! "));
    }

    void golferListsFilledOnlyWhenGolfersExist_data()
    {
        QTest::addColumn<QStringList>("golfers");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("entries");
        QTest::newRow("none") << QStringList() << "" << 0;
        QTest::newRow("two") << QStringList {"Ann", "Bob"} << "Select / Add Golfer" << 2;
    }
    void golferListsFilledOnlyWhenGolfersExist()
    {
        QFETCH(QStringList, golfers);
        QFETCH(QString, shown);
        QFETCH(int, entries);
        TestProgram program;
        for (const QString &name : golfers) {
            program.addGolfer(name);
        }
        program.addCourse(sampleCourse(QStringLiteral("Pine"), {}));
        program.startUp();
        // No list code builds a window: each is built when first shown.
        for (const char *window : {"frmGolfer", "frmScoreround", "frmStats", "frmCourse", "frmNewCourse"}) {
            QVERIFY2(!program.windows.loaded(QString::fromLatin1(window)), window);
        }
        QCOMPARE(program.context.pickLists.golfers()->rowCount(), entries);
        QCOMPARE(program.context.pickLists.courses()->rowCount(), 1);
        auto *roster = program.windows.show(QStringLiteral("frmGolfer"));
        QCOMPARE(roster->findChild<QComboBox *>(QStringLiteral("cboAddGolfer"))->currentText(), shown);
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
        QCOMPARE(program.soundCommands.isEmpty(), !ready);
    }

    void fileThatIsNoScorebookEndsWithoutTouchingIt()
    {
        TestProgram program;
        const QByteArray content("These are my notes, not a scorebook.");
        QFile::remove(program.context.databasePath());
        QFile file(program.context.databasePath());
        QVERIFY(file.open(QIODevice::WriteOnly));
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
        click(main->findChild<QRadioButton *>(QStringLiteral("Option1_1")));
        main->play_swing();
        QVERIFY(program.soundsPlayed.isEmpty());
        QCOMPARE(program.soundCommands.mid(4), (QStringList {"close", "PLAY", "PREV"}));

        main->Option1_Click(0);
        main->play_swing();
        QCOMPARE(program.soundsPlayed, QStringList {program.context.sharedFile("golfswng.wav")});
    }

    void helpStartsAnotherCopyEachPress()
    {
        TestProgram program;
        frmMain *main = startShown(program);
        click(main, QStringLiteral("cmdHelp"));
        click(main, QStringLiteral("cmdHelp"));
        const QString viewer = program.context.programFile(QStringLiteral("teeguide"));
        QCOMPARE(program.launcher.started, (QStringList {viewer, viewer}));
        QVERIFY(program.messages.shown.isEmpty());
        QVERIFY(main->isVisible());

        program.launcher.succeed = false;
        click(main, QStringLiteral("cmdHelp"));
        QCOMPARE(program.messages.shown.size(), 1);
        QVERIFY(program.messages.shown[0].text.contains(viewer));
    }

    void exitEndsTheProgramAtOnce()
    {
        TestProgram program;
        frmMain *main = startShown(program);
        program.soundCommands.clear();
        click(main, QStringLiteral("cmdExit"));
        QCOMPARE(program.endRequests, 1);
        QVERIFY(program.soundCommands.isEmpty());
        QVERIFY(program.messages.shown.isEmpty());
    }

    void closingTheMainWindowEndsLikeExit()
    {
        TestProgram program;
        frmMain *main = startShown(program);
        main->close();
        QCOMPARE(program.endRequests, 1);
    }

    void aboutAnimatesAndPlaysTheCupOnce()
    {
        TestProgram program;
        frmMain *main = startShown(program);
        program.soundsPlayed.clear();
        click(main, QStringLiteral("cmdAbout"));
        QVERIFY(!main->isVisible());
        auto *about = qobject_cast<frmAbout *>(program.windows.loaded(QStringLiteral("frmAbout")));
        QVERIFY(about && about->isVisible());
        QCOMPARE(about->windowTitle(), QStringLiteral("About Varnholt "));
        QCOMPARE(about->ballLeft(), 36);
        QCOMPARE(about->bannerWidth(), 100);
        // No click sound: the about box plays only its own cup sound.
        QVERIFY(program.soundsPlayed.isEmpty());

        about->Timer1_Timer();
        QCOMPARE(about->ballLeft(), 101);
        QCOMPARE(about->bannerWidth(), 165);
        for (int tick = 1; tick < 85; ++tick) {
            about->Timer1_Timer();
        }
        QCOMPARE(about->ballLeft(), 5561);
        QCOMPARE(about->bannerWidth(), 5625);
        QVERIFY(program.soundsPlayed.isEmpty());
        about->Timer1_Timer();
        QCOMPARE(about->bannerWidth(), 5988);
        QVERIFY(!about->isAnimating());
        QVERIFY(about->findChild<QWidget *>(QStringLiteral("imgBall"))->isHidden());
        QCOMPARE(program.soundsPlayed, QStringList {program.context.sharedFile("cup.wav")});
    }

    void aboutPlaysEvenWithSoundOffAndRunsOnItsOwnTimer()
    {
        TestProgram program;
        frmMain *main = startShown(program);
        click(main->findChild<QRadioButton *>(QStringLiteral("Option1_1")));
        program.soundsPlayed.clear();
        click(main, QStringLiteral("cmdAbout"));
        auto *about = qobject_cast<frmAbout *>(program.windows.loaded(QStringLiteral("frmAbout")));
        QTRY_VERIFY_WITH_TIMEOUT(!about->isAnimating(), 10000);
        QCOMPARE(program.soundsPlayed, QStringList {program.context.sharedFile("cup.wav")});
    }

    void mainMenuMidAnimationClosesSilentlyAndReopeningRestarts()
    {
        TestProgram program;
        frmMain *main = startShown(program);
        program.soundsPlayed.clear();
        click(main, QStringLiteral("cmdAbout"));
        auto *about = qobject_cast<frmAbout *>(program.windows.loaded(QStringLiteral("frmAbout")));
        for (int tick = 0; tick < 40; ++tick) {
            about->Timer1_Timer();
        }
        QPointer<frmAbout> first = about;
        click(about, QStringLiteral("cmdMainMenu"));
        QVERIFY(main->isVisible());
        QTRY_VERIFY(first.isNull());
        QVERIFY(program.soundsPlayed.isEmpty());

        click(main, QStringLiteral("cmdAbout"));
        about = qobject_cast<frmAbout *>(program.windows.loaded(QStringLiteral("frmAbout")));
        QCOMPARE(about->ballLeft(), 36);
        QCOMPARE(about->bannerWidth(), 100);
        QVERIFY(about->isAnimating());

        // The frame's close button leaves like Main Menu.
        about->close();
        QVERIFY(main->isVisible());
        QVERIFY(!program.windows.loaded(QStringLiteral("frmAbout")));
        QVERIFY(program.soundsPlayed.isEmpty());
    }
};

QTEST_MAIN(StartupTest)
#include "tst_startup.moc"
