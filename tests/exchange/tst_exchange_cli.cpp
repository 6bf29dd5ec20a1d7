#include "tests/core/cli_run.h"
#include "tests/core/test_scorebook.h"

#include <QFile>
#include <QtTest>

// teebook-cli's export and import as a script runs them: arguments in, text
// and an exit code out, and what the scorebook then holds.
class ExchangeCliTest : public QObject
{
    Q_OBJECT

private:
    static qint64 golferCount(TestScorebook &book)
    {
        return book.database().execAndGet("SELECT count(*) FROM golfers").getInt64();
    }

    static QString writeFile(const QTemporaryDir &folder, const QByteArray &bytes)
    {
        const QString path = folder.filePath("in.csv");
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(bytes);
        return path;
    }

private Q_SLOTS:
    void exportThenImportCountsAndStoresWithYes()
    {
        TestScorebook source;
        for (const char *name : {"Anne Lee", "Bob, Ray", "Carl Day"}) {
            source.addGolfer(name);
        }
        QTemporaryDir folder;
        const QString csv = folder.filePath("golfers.csv");
        const CliRun exported = runCli({"--scorebook", source.path(), "export", "golfers", csv});
        QCOMPARE(exported.exitCode, 0);
        QVERIFY(exported.output.contains("3 golfers"));
        QFile file(csv);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("golfer_name\r\nAnne Lee\r\n\"Bob, Ray\"\r\nCarl Day\r\n"));

        TestScorebook book;
        book.addGolfer("Anne Lee");
        const CliRun preview = runCli({"--scorebook", book.path(), "import", csv});
        QCOMPARE(preview.exitCode, 0);
        QVERIFY2(preview.output.contains("2 new, 1 identical, 0 conflicting"), qPrintable(preview.output));
        QCOMPARE(golferCount(book), qint64(1));

        const CliRun stored = runCli({"--scorebook", book.path(), "import", "--yes", csv});
        QCOMPARE(stored.exitCode, 0);
        QVERIFY2(stored.output.contains("Stored 2 new golfers"), qPrintable(stored.output));
        QCOMPARE(golferCount(book), qint64(3));
    }

    void refusals_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("message");
        QTest::newRow("malformed line") << QStringList {"import", "@in", "--yes"} << "line 3, column 1: a quote";
        QTest::newRow("not a scorebook") << QStringList {"--scorebook", "@in", "export", "rounds", "@folder/r.csv"}
                                         << "is not a scorebook";
        QTest::newRow("missing csv") << QStringList {"import", "@folder/none.csv", "--yes"} << "cannot be read";
        QTest::newRow("unknown kind") << QStringList {"export", "scores", "@folder/r.csv"}
                                      << "rounds, courses or golfers";
    }

    void refusals()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, message);
        TestScorebook book;
        QTemporaryDir folder;
        const QString in = writeFile(folder, "golfer_name\r\nBob Ray\r\nCarl \"Day\"\r\n");
        if (!arguments.contains("--scorebook")) {
            arguments = QStringList {"--scorebook", book.path()} + arguments;
        }
        arguments.replaceInStrings("@folder", folder.path()).replaceInStrings("@in", in);

        const CliRun result = runCli(arguments);

        QCOMPARE(result.exitCode, 2);
        QVERIFY2(result.errors.contains(message), qPrintable(result.errors));
        QCOMPARE(golferCount(book), qint64(0));
        QVERIFY(!QFile::exists(folder.filePath("r.csv")));
    }
};

QTEST_GUILESS_MAIN(ExchangeCliTest)
#include "tst_exchange_cli.moc"
