#include "tests/core/test_scorebook.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QtTest>

// teebook-cli as a person runs it: arguments in, text and an exit code out.
class TeebookCliTest : public QObject
{
    Q_OBJECT

private:
    struct Run
    {
        int exitCode = -1;
        QString output;
        QString errors;
    };

    static Run run(const QStringList &arguments)
    {
        QProcess cli;
        cli.start(QStringLiteral(TEEBOOK_CLI), arguments);
        if (!cli.waitForFinished(30000)) {
            return {};
        }
        return {cli.exitCode(), QString::fromUtf8(cli.readAllStandardOutput()),
                QString::fromUtf8(cli.readAllStandardError())};
    }

    // Anne Lee: three rounds on Oak Links (71.2 / 113) of 72, 75, 76 (0.8, 3.8, 4.8:
    // index 0.8 - 2.0 = +1.2) and one without details; Bob Ray, no rounds.
    static void fillAnneAndBob(TestScorebook &book)
    {
        book.addGolfer("Anne Lee");
        book.addGolfer(" Bob Ray ");
        book.addCourse("Oak Links");
        book.addRating("Oak Links", "white", 71.2, 113);
        const QStringList days {"2024-04-01", "2024-04-02", "2024-04-03"};
        const QList<int> grosses {72, 75, 76};
        for (int i = 0; i < 3; ++i) {
            book.addDetails(book.addRound("Anne Lee", "Oak Links", grosses[i]), "white", days[i]);
        }
        book.addRound("Anne Lee", "Oak Links", 90);
    }

private Q_SLOTS:
    void refusals_data()
    {
        QTest::addColumn<QStringList>("arguments");

        QTest::newRow("no arguments") << QStringList {};
        QTest::newRow("unknown command") << QStringList {"--scorebook", "@book", "report", "Anne Lee"};
        QTest::newRow("no golfer") << QStringList {"--scorebook", "@book", "index"};
        QTest::newRow("two golfers") << QStringList {"--scorebook", "@book", "index", "Anne", "Lee"};
        QTest::newRow("not a date") << QStringList {"--scorebook", "@book",   "index",
                                                    "Anne Lee",    "--as-of", "2024-02-30"};
        QTest::newRow("unknown option") << QStringList {"--scorebook", "@book", "index", "Anne Lee", "--csv"};
        QTest::newRow("unknown golfer") << QStringList {"--scorebook", "@book", "index", "Anne"};
        QTest::newRow("golfer in other letters") << QStringList {"--scorebook", "@book", "index", "anne lee"};
        QTest::newRow("missing file") << QStringList {"--scorebook", "@folder/none.mdb", "index", "Anne Lee"};
        QTest::newRow("not SQLite") << QStringList {"--scorebook", "@folder/notes.txt", "index", "Anne Lee"};
        QTest::newRow("SQLite, not a scorebook")
            << QStringList {"--scorebook", "@folder/other.db", "index", "Anne Lee"};
    }

    void refusals()
    {
        QFETCH(QStringList, arguments);
        TestScorebook book;
        fillAnneAndBob(book);
        QTemporaryDir folder;
        QFile notes(folder.filePath("notes.txt"));
        QVERIFY(notes.open(QIODevice::WriteOnly));
        notes.write(QByteArray(4096, 'x'));
        notes.close();
        SQLite::Database(folder.filePath("other.db").toStdString(), SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE)
            .exec("CREATE TABLE notes (line TEXT)");
        arguments.replaceInStrings("@book", book.path());
        arguments.replaceInStrings("@folder", folder.path());

        const Run result = run(arguments);

        QCOMPARE(result.exitCode, 2);
        QVERIFY(result.output.isEmpty());
        QVERIFY(!result.errors.trimmed().isEmpty());
    }

    void plainReport_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("firstLine");
        QTest::addColumn<int>("rows");

        QTest::newRow("plus index") << QStringList {"Anne Lee"} << "Handicap Index: +1.2" << 4;
        QTest::newRow("as of the second day")
            << QStringList {"Anne Lee", "--as-of", "2024-04-02"} << "Handicap Index: none" << 3;
        QTest::newRow("no rounds, name padded") << QStringList {"Bob Ray"} << "Handicap Index: none" << 0;
    }

    void plainReport()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, firstLine);
        QFETCH(int, rows);
        TestScorebook book;
        fillAnneAndBob(book);

        const Run result = run(QStringList {"--scorebook", book.path(), "index"} + arguments);

        QCOMPARE(result.exitCode, 0);
        QVERIFY(result.errors.isEmpty());
        const QStringList lines = result.output.split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.first(), firstLine);
        QCOMPARE(lines.size(), 2 + rows);
    }

    void jsonShape()
    {
        TestScorebook book;
        fillAnneAndBob(book);

        const Run result = run({"--scorebook", book.path(), "index", "Anne Lee", "--json"});

        QCOMPARE(result.exitCode, 0);
        QVERIFY(result.output.contains(QLatin1String("\"index\":-1.2")));
        const QJsonObject report = QJsonDocument::fromJson(result.output.toUtf8()).object();
        QCOMPARE(report.keys(), (QStringList {"golfer", "index", "low_index", "rounds"}));
        QCOMPARE(report.value("golfer").toString(), QStringLiteral("Anne Lee"));
        QVERIFY(report.value("low_index").isNull());
        const QJsonArray rounds = report.value("rounds").toArray();
        QCOMPARE(rounds.size(), 4);
        const QStringList fields {"adjusted_gross", "counted", "course", "course_rating", "date",
                                  "differential",   "gross",   "pcc",    "reason",        "record_no",
                                  "slope",          "tee",     "used"};
        for (const QJsonValue &value : rounds) {
            QCOMPARE(value.toObject().keys(), fields);
        }
        const QJsonObject first = rounds.at(0).toObject();
        QVERIFY(first.value("record_no").isDouble());
        QCOMPARE(first.value("date").toString(), QStringLiteral("2024-04-01"));
        QCOMPARE(first.value("course").toString(), QStringLiteral("Oak Links"));
        QCOMPARE(first.value("tee").toString(), QStringLiteral("white"));
        QCOMPARE(first.value("gross").toDouble(), 72.0);
        QCOMPARE(first.value("adjusted_gross").toDouble(), 72.0);
        QCOMPARE(first.value("course_rating").toDouble(), 71.2);
        QCOMPARE(first.value("slope").toDouble(), 113.0);
        QCOMPARE(first.value("pcc").toDouble(), 0.0);
        QCOMPARE(first.value("differential").toDouble(), 0.8);
        QVERIFY(first.value("counted").toBool());
        QVERIFY(first.value("used").toBool());
        QVERIFY(first.value("reason").isNull());
        const QJsonObject undated = rounds.at(3).toObject();
        for (const char *field : {"date", "tee", "adjusted_gross", "course_rating", "slope", "pcc", "differential"}) {
            QVERIFY2(undated.value(field).isNull(), field);
        }
        QVERIFY(!undated.value("counted").toBool());
        QVERIFY(!undated.value("used").toBool());
        QCOMPARE(undated.value("reason").toString(), QStringLiteral("no date"));
    }

    void aScorebookWithoutTheNewTablesCountsNoRound()
    {
        TestScorebook book(false);
        book.addGolfer("Anne Lee");
        book.addCourse("Oak Links");
        book.addRound("Anne Lee", "Oak Links", 80);
        book.addRound("Anne Lee", "Oak Links", 82);

        const Run result = run({"--scorebook", book.path(), "index", "Anne Lee", "--json"});

        QCOMPARE(result.exitCode, 0);
        const QJsonObject report = QJsonDocument::fromJson(result.output.toUtf8()).object();
        QVERIFY(report.value("index").isNull());
        const QJsonArray rounds = report.value("rounds").toArray();
        QCOMPARE(rounds.size(), 2);
        for (const QJsonValue &round : rounds) {
            QVERIFY(!round.toObject().value("counted").toBool());
        }
    }
};

QTEST_GUILESS_MAIN(TeebookCliTest)
#include "tst_teebook_cli.moc"
