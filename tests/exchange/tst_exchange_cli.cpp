#include "tests/core/cli_run.h"
#include "tests/core/test_scorebook.h"
#include "tests/support/test_files.h"

// teebook-cli's export and import as a script runs them: arguments in, text
// and an exit code out, and what the scorebook then holds.
class ExchangeCliTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // "@folder" stands for the folder of the scorebook, which holds good.csv and bad.csv.
    void run_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("message"); // on the output, or on the errors when the exit code is not 0
        QTest::addColumn<int>("golfers"); // in the scorebook afterwards
        auto row = [](const char *name, const QStringList &arguments, int exitCode, const char *message, int golfers) {
            QTest::newRow(name) << arguments << exitCode << QString::fromUtf8(message) << golfers;
        };
        row("export", {"export", "golfers", "@folder/out.csv"}, 0, "Wrote 1 golfers", 1);
        row("import counts without storing", {"import", "@folder/good.csv"}, 0, "2 new, 1 identical, 0 conflicting", 1);
        row("import with yes stores the new", {"import", "--yes", "@folder/good.csv"}, 0, "Stored 2 new golfers", 3);
        row("malformed line", {"import", "@folder/bad.csv", "--yes"}, 2, "line 3, column 1: a quote", 1);
        row("not a scorebook", {"--scorebook", "@folder/good.csv", "export", "rounds", "@folder/out.csv"}, 2,
            "is not a scorebook", 1);
        row("missing csv", {"import", "@folder/none.csv", "--yes"}, 2, "cannot be read", 1);
        row("unknown kind", {"export", "scores", "@folder/out.csv"}, 2, "rounds, courses or golfers", 1);
    }

    void run()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, message);
        QFETCH(int, golfers);
        TestScorebook book;
        book.addGolfer("Anne Lee");
        // As a script may write it: a byte order mark, LF line ends, none after the last record.
        writeFile(book.filePath("good.csv"), "\xEF\xBB\xBFgolfer_name\nAnne Lee\n\"Bob, Ray\"\nCarl Day");
        writeFile(book.filePath("bad.csv"), "golfer_name\r\nBob Ray\r\nCarl \"Day\"\r\n");
        if (!arguments.contains("--scorebook")) {
            arguments = QStringList {"--scorebook", book.path()} + arguments;
        }

        const CliRun result = runCli(arguments.replaceInStrings("@folder", QFileInfo(book.path()).path()));

        QCOMPARE(result.exitCode, exitCode);
        const QString told = exitCode == 0 ? result.output : result.errors;
        QVERIFY2(told.contains(message), qPrintable(told));
        QCOMPARE(book.database().execAndGet("SELECT count(*) FROM golfers").getInt(), golfers);
        // Only an export that succeeds writes a file.
        QCOMPARE(QFile::exists(book.filePath("out.csv")), exitCode == 0 && arguments.contains("export"));
    }
};

QTEST_GUILESS_MAIN(ExchangeCliTest)
#include "tst_exchange_cli.moc"
