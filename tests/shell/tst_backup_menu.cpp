#include "core/scorebook/datgolf.h"
#include "tests/support/test_program.h"
#include "ui/form_window.h"
#include "ui/pick_lists.h"

#include <QAction>
#include <QDate>
#include <QFile>
#include <QMenu>
#include <QtTest>

// Back up and restore from the main menu's File menu. What a copy holds is the
// scorebook rules' own; here the menu, its questions and messages, and the lists.
class BackupMenuTest : public QObject
{
    Q_OBJECT

private:
    static QAction *action(QWidget *main, const char *name) { return main->findChild<QAction *>(name); }

    static QString today() { return QDate::currentDate().toString(Qt::ISODate); }

private Q_SLOTS:
    // A backup is offered a dated name, taken with Ann and Bob; then Bob is removed. Restoring
    // asks first and replaces the scorebook, lists included, only on Yes; what is no scorebook
    // (here no file at all) is refused unasked.
    void backUpThenRestore_data()
    {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<MessageAnswer>("answer");
        QTest::addColumn<MessageIcon>("firstIcon");
        QTest::addColumn<QString>("lastSays");
        QTest::addColumn<bool>("restored");
        QTest::newRow("refused") << "none.mdb" << MessageAnswer::Yes << MessageIcon::Critical << "cannot be" << false;
        QTest::newRow("No") << "backup.mdb" << MessageAnswer::No << MessageIcon::Question << "Replace every" << false;
        QTest::newRow("Yes") << "backup.mdb" << MessageAnswer::Yes << MessageIcon::Question << "was kept as" << true;
    }
    void backUpThenRestore()
    {
        QFETCH(QString, chosen);
        QFETCH(MessageAnswer, answer);
        QFETCH(MessageIcon, firstIcon);
        QFETCH(QString, lastSays);
        QFETCH(bool, restored);
        TestProgram program;
        program.addGolfer(QStringLiteral("Ann"));
        FormWindow *main = program.startUp();
        auto *file = main->findChild<QMenu *>("mnuFile");
        QCOMPARE(file->title(), QStringLiteral("&File"));
        QCOMPARE(action(main, "mnuBackUp")->text(), QStringLiteral("&Back up scorebook…"));
        QCOMPARE(action(main, "mnuRestore")->text(), QStringLiteral("&Restore from backup…"));
        QCOMPARE(file->actions(), (QList<QAction *> {action(main, "mnuBackUp"), action(main, "mnuRestore")}));
        program.addGolfer(QStringLiteral("Bob"));
        program.files.answers = {program.folder.filePath(QStringLiteral("backup.mdb"))};
        action(main, "mnuBackUp")->trigger();
        QCOMPARE(program.files.suggested, QStringList {program.folder.filePath("teedat2000-" + today() + ".mdb")});
        QCOMPARE(program.messages.shown.size(), 1);
        QVERIFY(program.messages.shown.first().text.startsWith(QLatin1String("The scorebook was backed up to")));
        program.changeFromOutside(QStringLiteral("DELETE FROM golfers WHERE golfer_name = 'Bob'"));
        program.messages.shown.clear();
        program.files.answers = {program.folder.filePath(chosen)};
        program.messages.answers = {answer};

        action(main, "mnuRestore")->trigger();

        const QStringList golfers = restored ? QStringList {"Ann", "Bob"} : QStringList {"Ann"};
        QCOMPARE(program.open(QStringLiteral("golfers"))->recordCount(), golfers.size());
        QCOMPARE(program.context.pickLists.golfers()->stringList(), golfers);
        QCOMPARE(program.messages.shown.first().icon, firstIcon);
        QVERIFY(program.messages.shown.last().text.contains(lastSays));
        const QString kept = program.folder.filePath("teedat2000-replaced-" + today() + ".mdb");
        QCOMPARE(QFile::exists(kept), restored);
        QCOMPARE(program.messages.shown.last().text.contains(kept), restored);
    }
};

QTEST_MAIN(BackupMenuTest)
#include "tst_backup_menu.moc"
