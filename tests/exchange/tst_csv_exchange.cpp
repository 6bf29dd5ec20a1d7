#include "core/exchange/csv_export.h"
#include "core/exchange/csv_import.h"
#include "tests/core/test_scorebook.h"
#include "tests/support/test_files.h"

#include <QDir>
#include <QFileInfo>

using namespace exchange;

namespace {

// Names and values a person could type or paste, and the awkward ones SQLite can hold.
void fillOddValues(TestScorebook &book)
{
    const QStringList golfers {"Anne \"Birdie\" Lee", "Lee, Bob", "Line\nbreak", "", " Ødegård 李 ", "Carl\r\nRay"};
    for (const QString &name : golfers) {
        book.addGolfer(name);
    }
    book.database().exec("INSERT INTO golfers (golfer_name) VALUES (NULL)");
    book.addCourse("Oak, \"Old\" Links");
    book.addCourse("Birch");
    book.database().exec("UPDATE courseinfo SET course_id = 7, b1 = NULL, w1 = '' WHERE course_name = 'Birch'");
    book.addRating("Oak, \"Old\" Links", "blue", 71.3, 131);
    book.addRating("Oak, \"Old\" Links", "white", 69.0, 120);
    book.addRating("Birch", "red, short", 0.1 + 0.2, 99);
    book.addRating("Nowhere", "gold", 70.1, 125); // no such course: not exported
    const qint64 first = book.addRound("Anne \"Birdie\" Lee", "Oak, \"Old\" Links", 84);
    book.addDetails(first, "blue", "2024-05-01", -1);
    book.database().exec("INSERT INTO rounds (record_no, golfer_name, course_name, date, h1, h2, h3)"
                         " VALUES (9, 'Ødegård\n李', 'Birch', '5/1/2024', 71.3, '', NULL)");
    book.addDetails(9, "", "2024-05-02", 0);
    book.addRound("Lee, Bob", "Birch", 90); // no details
}

} // namespace

class CsvExchangeTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The first file holds the stored forms: quotes, line breaks, empty text apart from no value,
    // numbers as stored; a rating of a course not in the scorebook is left out.
    void roundTripIsByteIdentical_data()
    {
        QTest::addColumn<Kind>("kind");
        QTest::addColumn<qint64>("records");
        QTest::addColumn<QByteArrayList>("parts");
        QTest::newRow("rounds") << Kind::Rounds << qint64(3)
                                << QByteArrayList {
                                       ",blue,2024-05-01,-1\r\n9,\"Ødegård\n李\",Birch,5/1/2024,71.3,\"\",,"};
        QTest::newRow("courses") << Kind::Courses << qint64(2)
                                 << QByteArrayList {
                                        "course_id,course_name,course_size,b1,",
                                        ",blue_course_rating,blue_slope_rating,\"red, short_course_rating\",",
                                        ",71.3,131,,,69,120\r\n", ",0.30000000000000004,99,,\r\n"};
        QTest::newRow("golfers")
            << Kind::Golfers << qint64(7)
            << QByteArrayList {"golfer_name\r\n\"Anne \"\"Birdie\"\" Lee\"\r\n\"Lee, Bob\"\r\n\"Line\nbreak\"\r\n"
                               "\"\"\r\n Ødegård 李 \r\n\"Carl\r\nRay\"\r\n\r\n"};
    }

    void roundTripIsByteIdentical()
    {
        QFETCH(Kind, kind);
        QFETCH(qint64, records);
        QFETCH(QByteArrayList, parts);
        TestScorebook original;
        fillOddValues(original);
        TestScorebook empty(false); // the import adds the tables of ratings and details
        const QString first = original.filePath("first.csv");
        const QString second = original.filePath("second.csv");

        QCOMPARE(exportCsv(original.path(), {kind, first, {}}).records, records);
        for (const QByteArray &part : parts) {
            QVERIFY2(readFile(first).contains(part), part.constData());
        }
        QVERIFY(!readFile(first).contains("gold"));
        const ImportOutcome imported = importCsv(empty.path(), first);
        QCOMPARE(imported.kind, kind);
        QCOMPARE(exportCsv(empty.path(), {kind, second, {}}).status, ExportOutcome::Status::Done);

        QCOMPARE(readFile(second), readFile(first));
        const ImportOutcome again = previewImport(empty.path(), first);
        QCOMPARE(again.counts.fresh, qint64(0));
        QCOMPARE(again.counts.identical, imported.counts.fresh);
    }

    void malformedFileIsRefusedWhole_data()
    {
        QTest::addColumn<QByteArray>("csv");
        QTest::addColumn<int>("line");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("why");

        const QByteArray golfers = "golfer_name\r\nAnne\r\n";
        const QByteArray goodRound = "1,Anne,Oak,5/1/2024" + QByteArray(",4").repeated(63) + ",,,\n";
        // The header of rounds, and a course file whose blue tee has a course rating and no slope rating.
        TestScorebook rated;
        rated.addCourse("Oak");
        rated.addRating("Oak", "blue", 71.3, 131);
        exportCsv(rated.path(), {Kind::Rounds, rated.filePath("r.csv"), {}});
        exportCsv(rated.path(), {Kind::Courses, rated.filePath("c.csv"), {}});
        const QByteArray roundsHeader = readFile(rated.filePath("r.csv"));
        const QByteArray halfRated = readFile(rated.filePath("c.csv")).replace(",71.3,131\r\n", ",71.3,\r\n");

        QTest::newRow("too many fields") << golfers + "Bob,Ray\r\n" << 3 << 2 << "expected 1 field, found more";
        QTest::newRow("too few fields") << roundsHeader + goodRound + "2,Bob,Oak\n" << 3 << 4 << "the record ends";
        QTest::newRow("quote inside a bare field") << golfers + "Bo\"b\r\n" << 3 << 1 << "a quote inside";
        QTest::newRow("quote never closed") << golfers + "Carl\r\n\"Bob\r\nRay\r\n" << 4 << 1 << "not closed";
        const QByteArray textRound
            = QByteArray(goodRound).replace("1,Anne,Oak,5/1/2024,4,4", "2,Anne,Oak,5/1/2024,4,x4");
        QTest::newRow("text in a number column")
            << roundsHeader + goodRound + textRound << 3 << 6 << "\"x4\" is not a number";
        QTest::newRow("a name of 10,000 characters") << golfers + "\"Two\nlines\"\r\n" + QByteArray(10000, 'n') + "\r\n"
                                                     << 5 << 1 << "10000 characters";
        QTest::newRow("half a tee's ratings") << halfRated << 2 << 105 << "both its course rating";
        QTest::newRow("not a header") << QByteArray("name,score\r\nAnne,3\r\n") << 1 << 1 << "begins with";
        QTest::newRow("record number not whole")
            << roundsHeader + QByteArray(goodRound).replace(0, 1, "1.5") << 2 << 1 << "whole record number";
    }

    void malformedFileIsRefusedWhole()
    {
        QFETCH(QByteArray, csv);
        QFETCH(int, line);
        QFETCH(int, column);
        QFETCH(QString, why);
        TestScorebook book;
        book.addGolfer("Zoe");
        const QByteArray before = readFile(book.path());
        writeFile(book.filePath("in.csv"), csv);

        const ImportOutcome outcome = importCsv(book.path(), book.filePath("in.csv"));

        QCOMPARE(outcome.status, ImportOutcome::Status::Malformed);
        QVERIFY(outcome.problem);
        QCOMPARE(outcome.problem->line, qint64(line));
        QCOMPARE(outcome.problem->column, column);
        QVERIFY2(outcome.problem->why.contains(why), qPrintable(outcome.problem->why));
        QVERIFY(outcome.error.startsWith(QStringLiteral("line %1, column %2: ").arg(line).arg(column)));
        QCOMPARE(readFile(book.path()), before);
    }

    void previewCountsAndImportStoresOnlyNewRounds()
    {
        TestScorebook source;
        for (int gross : {80, 81, 82}) {
            source.addRound("Anne", "Oak", gross);
        }
        const QString csv = source.filePath("rounds.csv");
        QCOMPARE(exportCsv(source.path(), {Kind::Rounds, csv, {}}).records, qint64(3));
        const QByteArray text = readFile(csv);
        const QByteArray third = text.mid(text.indexOf("\r\n3,") + 2); // the last record
        writeFile(csv, text + third); // record 3 a second time

        TestScorebook target;
        target.addRound("Anne", "Oak", 80); // record 1, the same
        target.addRound("Anne", "Oak", 99); // record 2, other strokes
        exportCsv(target.path(), {Kind::Rounds, target.filePath("before.csv"), {}});
        const QByteArray before = readFile(target.path());
        const ImportOutcome preview = previewImport(target.path(), csv);
        QCOMPARE(preview.counts.fresh, qint64(1));
        QCOMPARE(preview.counts.identical, qint64(1));
        QCOMPARE(preview.counts.conflicting, qint64(2));
        QCOMPARE(readFile(target.path()), before);

        QCOMPARE(importCsv(target.path(), csv).counts.fresh, qint64(1));
        // Records 1 and 2 are as they were, record 3 is the file's.
        exportCsv(target.path(), {Kind::Rounds, target.filePath("after.csv"), {}});
        QCOMPARE(readFile(target.filePath("after.csv")), readFile(target.filePath("before.csv")) + third);
    }

    void cancelledExportLeavesNoFileAndCancelledImportStoresNothing()
    {
        TestScorebook book;
        book.database().exec("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 10000) "
                             "INSERT INTO golfers SELECT 'Golfer ' || i FROM n");
        const QString fresh = book.filePath("fresh.csv");
        const QString kept = book.filePath("kept.csv");
        writeFile(kept, "what was there\r\n");
        const auto stop = [](qint64, qint64) { return false; };

        QCOMPARE(exportCsv(book.path(), {Kind::Golfers, fresh, {}}, stop).status, ExportOutcome::Status::Cancelled);
        QCOMPARE(exportCsv(book.path(), {Kind::Golfers, kept, {}}, stop).status, ExportOutcome::Status::Cancelled);
        QCOMPARE(readFile(kept), QByteArray("what was there\r\n"));
        QCOMPARE(QDir(QFileInfo(book.path()).path()).entryList(QDir::Files),
                 (QStringList {"kept.csv", "teedat2000.mdb"}));

        QCOMPARE(exportCsv(book.path(), {Kind::Golfers, fresh, {}}).status, ExportOutcome::Status::Done);
        TestScorebook empty;
        const QByteArray before = readFile(empty.path());
        const auto stopHalfWay = [](qint64 done, qint64 total) { return done < total / 2; };
        QCOMPARE(importCsv(empty.path(), fresh, stopHalfWay).status, ImportOutcome::Status::Cancelled);
        QCOMPARE(readFile(empty.path()), before);
    }
};

QTEST_GUILESS_MAIN(CsvExchangeTest)
#include "tst_csv_exchange.moc"
