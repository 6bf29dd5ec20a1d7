#include "tests/core/cli_run.h"
#include "tests/core/test_scorebook.h"
#include "tests/support/test_files.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

// teebook-cli as a person or a scheduled job runs it; the index figures themselves are the computation's tests.
class TeebookCliTest : public QObject
{
    Q_OBJECT

private:
    // Anne Lee: three rounds on Oak Links (71.2 / 113) of 72, 75, 76 (0.8, 3.8, 4.8:
    // index 0.8 - 2.0 = +1.2) and one without details; Bob Ray, no rounds.
    static void fillAnneAndBob(TestScorebook &book)
    {
        book.addGolfer("Anne Lee");
        book.addGolfer(" Bob Ray ");
        book.addCourse("Oak Links");
        book.addRating("Oak Links", "white", 71.2, 113);
        book.addDetails(book.addRound("Anne Lee", "Oak Links", 72), "white", "2024-04-01");
        book.addDetails(book.addRound("Anne Lee", "Oak Links", 75), "white", "2024-04-02");
        book.addDetails(book.addRound("Anne Lee", "Oak Links", 76), "white", "2024-04-03");
        book.addRound("Anne Lee", "Oak Links", 90);
    }

private Q_SLOTS:
    // Each run's exit code and what it says: a report starts with the index and has a line a round; a
    // refusal says why on the error stream and writes nothing. "@folder" holds the scorebook,
    // other.db (SQLite without the tables) and taken.mdb (text); only a backup that is made writes a.mdb.
    void runs_data()
    {
        QTest::addColumn<QStringList>("arguments"); // after "--scorebook" and the scorebook unless they name one
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("lines"); // of the output
        const auto row = [](const char *name, const char *arguments, int exitCode, const char *message, int lines) {
            QTest::newRow(name) << QString(arguments).split('|', Qt::SkipEmptyParts) << exitCode << QString(message)
                                << lines;
        };
        // The index, a heading and a line a round.
        row("plus index", "index|Anne Lee", 0, "Handicap Index: +1.2", 6);
        row("as of the second day", "index|Anne Lee|--as-of|2024-04-02", 0, "Handicap Index: none", 5);
        row("no rounds, name padded", "index|Bob Ray", 0, "Handicap Index: none", 2);
        row("backup", "backup|@folder/a.mdb", 0, "Backed up @folder/teedat2000.mdb to @folder/a.mdb.", 1);
        row("no command", "", 2, "No command given", 0);
        row("unknown command", "report|Anne Lee", 2, "Unknown command", 0);
        row("not a date", "index|Anne Lee|--as-of|2024-02-30", 2, "not a date", 0);
        row("unknown golfer", "index|Anne", 2, "no golfer named", 0);
        row("missing file", "--scorebook|@folder/none.mdb|index|Anne Lee", 2, "no scorebook", 0);
        row("SQLite, not a scorebook", "--scorebook|@folder/other.db|index|Anne Lee", 2, "not a scorebook", 0);
        row("backup to no file", "backup", 2, "needs the file", 0);
        row("backup over a file", "backup|@folder/taken.mdb", 2, "already there", 0);
        row("backup of no scorebook", "--scorebook|@folder/none.mdb|backup|@folder/a.mdb", 2, "not there", 0);
    }

    void runs()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, message);
        QFETCH(int, lines);
        TestScorebook book;
        fillAnneAndBob(book);
        const QString folder = QFileInfo(book.path()).absolutePath();
        SQLite::Database(folder.toStdString() + "/other.db", SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE)
            .exec("CREATE TABLE notes (line TEXT)");
        writeFile(folder + "/taken.mdb", "not a scorebook at all");
        if (!arguments.contains("--scorebook")) {
            arguments = QStringList {"--scorebook", book.path()} + arguments;
        }

        const CliRun result = runCli(arguments.replaceInStrings("@folder", folder));

        QCOMPARE(result.exitCode, exitCode);
        if (exitCode == 0) {
            QVERIFY(result.errors.isEmpty());
            const QStringList output = result.output.split('\n', Qt::SkipEmptyParts);
            QCOMPARE(output.first(), message.replace("@folder", folder));
            QCOMPARE(output.size(), lines);
        } else {
            QVERIFY(result.output.isEmpty());
            QVERIFY2(result.errors.contains(message), qPrintable(result.errors));
        }
        QCOMPARE(QFile::exists(folder + "/a.mdb"), exitCode == 0 && arguments.contains("backup"));
        QCOMPARE(readFile(folder + "/taken.mdb"), QByteArray("not a scorebook at all"));
    }

    void jsonReport()
    {
        TestScorebook book;
        fillAnneAndBob(book);

        const CliRun result = runCli({"--scorebook", book.path(), "index", "Anne Lee", "--json"});

        QCOMPARE(result.exitCode, 0);
        const QByteArray expected = R"({"golfer":"Anne Lee","index":-1.2,"low_index":null,"rounds":[
            {"record_no":1,"date":"2024-04-01","course":"Oak Links","tee":"white","gross":72,"adjusted_gross":72,
             "course_rating":71.2,"slope":113,"pcc":0,"differential":0.8,"counted":true,"used":true,"reason":null},
            {"record_no":2,"date":"2024-04-02","course":"Oak Links","tee":"white","gross":75,"adjusted_gross":75,
             "course_rating":71.2,"slope":113,"pcc":0,"differential":3.8,"counted":true,"used":false,"reason":null},
            {"record_no":3,"date":"2024-04-03","course":"Oak Links","tee":"white","gross":76,"adjusted_gross":76,
             "course_rating":71.2,"slope":113,"pcc":0,"differential":4.8,"counted":true,"used":false,"reason":null},
            {"record_no":4,"date":null,"course":"Oak Links","tee":null,"gross":90,"adjusted_gross":null,
             "course_rating":null,"slope":null,"pcc":null,"differential":null,"counted":false,"used":false,
             "reason":"no date"}]})";
        // Figures are compared as numbers: -1.2000000000000002 is not -1.2.
        QCOMPARE(QJsonDocument::fromJson(result.output.toUtf8()).object(), QJsonDocument::fromJson(expected).object());
    }
};

QTEST_GUILESS_MAIN(TeebookCliTest)
#include "tst_teebook_cli.moc"
