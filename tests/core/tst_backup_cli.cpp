#include "core/scorebook/scorebook_file.h"
#include "core/scorebook/scorebook_restore.h"
#include "tests/core/cli_run.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

// teebook-cli backup as a scheduled job runs it.
class BackupCliTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void backupWritesAWholeCopy()
    {
        QTemporaryDir folder;
        const QString book = folder.filePath("teedat2000.mdb");
        QCOMPARE(scorebook::createEmpty(book), QString());
        const QString out = folder.filePath("copy.mdb");

        const CliRun result = runCli({"--scorebook", book, "backup", out});

        QCOMPARE(result.exitCode, 0);
        QVERIFY2(result.output.contains("Backed up"), qPrintable(result.output));
        QCOMPARE(scorebook::backupProblem(out), QString());
    }

    void refusals_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("message");
        QTest::newRow("no file named") << QStringList {"backup"} << "needs the file";
        QTest::newRow("two files") << QStringList {"backup", "@folder/a.mdb", "@folder/b.mdb"} << "needs the file";
        QTest::newRow("file there") << QStringList {"backup", "@folder/taken.mdb"} << "already there";
        QTest::newRow("no scorebook") << QStringList {"--scorebook", "@folder/none.mdb", "backup", "@folder/a.mdb"}
                                      << "not there";
        QTest::newRow("not a scorebook") << QStringList {"--scorebook", "@folder/taken.mdb", "backup", "@folder/a.mdb"}
                                         << "not a scorebook";
    }
    void refusals()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, message);
        QTemporaryDir folder;
        const QString book = folder.filePath("teedat2000.mdb");
        QCOMPARE(scorebook::createEmpty(book), QString());
        QFile taken(folder.filePath("taken.mdb"));
        QVERIFY(taken.open(QIODevice::WriteOnly));
        taken.write("not a scorebook at all");
        taken.close();
        if (!arguments.contains("--scorebook")) {
            arguments = QStringList {"--scorebook", book} + arguments;
        }
        arguments.replaceInStrings("@folder", folder.path());

        const CliRun result = runCli(arguments);

        QCOMPARE(result.exitCode, 2);
        QVERIFY2(result.errors.contains(message), qPrintable(result.errors));
        QVERIFY(!QFile::exists(folder.filePath("a.mdb")));
        QVERIFY(taken.open(QIODevice::ReadOnly));
        QCOMPARE(taken.readAll(), QByteArray("not a scorebook at all"));
    }
};

QTEST_GUILESS_MAIN(BackupCliTest)
#include "tst_backup_cli.moc"
