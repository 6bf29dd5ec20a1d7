#include "core/scorebook/datgolf.h"
#include "core/scorebook/scorebook_restore.h"
#include "tests/support/test_program.h"
#include "ui/form_window.h"

#include <QAction>
#include <QDate>
#include <QFile>
#include <QMenu>
#include <QtTest>

// Back up and restore from the main menu's File menu.
class BackupMenuTest : public QObject
{
    Q_OBJECT

private:
    static QAction *action(QWidget *main, const char *name) { return main->findChild<QAction *>(name); }

    static int golfers(TestProgram &program) { return program.open(QStringLiteral("golfers"))->recordCount(); }

    static QString dated(const char *pattern)
    {
        return QString::fromLatin1(pattern).arg(QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd")));
    }

private Q_SLOTS:
    void backupOffersADatedNameAndWritesTheCopy()
    {
        TestProgram program;
        program.addGolfer(QStringLiteral("Ann"));
        FormWindow *main = program.startUp();
        auto *file = main->findChild<QMenu *>("mnuFile");
        QCOMPARE(file->title(), QStringLiteral("&File"));
        QCOMPARE(action(main, "mnuBackUp")->text(), QStringLiteral("&Back up scorebook…"));
        QCOMPARE(action(main, "mnuRestore")->text(), QStringLiteral("&Restore from backup…"));
        QCOMPARE(file->actions(), (QList<QAction *> {action(main, "mnuBackUp"), action(main, "mnuRestore")}));

        const QString target = program.folder.filePath(QStringLiteral("copy.mdb"));
        program.files.answers = {target};
        action(main, "mnuBackUp")->trigger();
        QCOMPARE(program.files.suggested, QStringList {program.folder.filePath(dated("teedat2000-%1.mdb"))});
        QCOMPARE(scorebook::backupProblem(target), QString());
        QCOMPARE(program.messages.shown.size(), 1);
        QVERIFY(program.messages.shown.first().text.startsWith(QLatin1String("The scorebook was backed up to")));
    }

    void restoreRefusesAFileThatIsNoScorebook()
    {
        TestProgram program;
        program.addGolfer(QStringLiteral("Ann"));
        FormWindow *main = program.startUp();
        const QString notes = program.folder.filePath(QStringLiteral("notes.mdb"));
        QFile file(notes);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("golfer_name\r\nBob\r\n");
        file.close();
        program.files.answers = {notes};

        action(main, "mnuRestore")->trigger();

        QCOMPARE(program.messages.shown.size(), 1);
        QCOMPARE(program.messages.shown.first().icon, MessageIcon::Critical);
        QVERIFY(program.messages.shown.first().text.contains(QLatin1String("left as it is")));
        QCOMPARE(golfers(program), 1);
    }

    void restoreReplacesOnYesKeepingTheReplacedScorebook_data()
    {
        QTest::addColumn<MessageAnswer>("answer");
        QTest::newRow("No") << MessageAnswer::No;
        QTest::newRow("Yes") << MessageAnswer::Yes;
    }
    void restoreReplacesOnYesKeepingTheReplacedScorebook()
    {
        QFETCH(MessageAnswer, answer);
        TestProgram program;
        program.addGolfer(QStringLiteral("Ann"));
        FormWindow *main = program.startUp();
        const QString backup = program.folder.filePath(QStringLiteral("backup.mdb"));
        program.files.answers = {backup};
        action(main, "mnuBackUp")->trigger();
        program.addGolfer(QStringLiteral("Bob"));
        program.messages.shown.clear();
        program.files.answers = {backup};
        program.messages.answers = {answer};

        action(main, "mnuRestore")->trigger();

        const bool restored = answer == MessageAnswer::Yes;
        QCOMPARE(program.messages.shown.first().buttons, MessageButtons::YesNo);
        QCOMPARE(golfers(program), restored ? 1 : 2);
        const QString kept = program.folder.filePath(dated("teedat2000-replaced-%1.mdb"));
        QCOMPARE(QFile::exists(kept), restored);
        if (restored) {
            QVERIFY(program.messages.shown.last().text.contains(kept));
            QCOMPARE(program.context.pickLists.golfers()->stringList(), QStringList {"Ann"});
        }
    }
};

QTEST_MAIN(BackupMenuTest)
#include "tst_backup_menu.moc"
