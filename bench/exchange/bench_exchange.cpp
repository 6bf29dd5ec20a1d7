#include "bench/scorebook_generator.h"
#include "core/exchange/csv_export.h"
#include "core/exchange/csv_import.h"
#include "core/handicap/handicap_tables.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Statement.h>

#include <cstdio>
#include <functional>

// Exporting every round of a club's scorebook (target at least 200,000 rounds
// a second) against reading every value of them with a plain query, and
// importing the file into an empty scorebook (target at least 100,000 a
// second) against copying the same rows table to table in SQL.
// bench_exchange [ROUNDS], 1,000,000 by default.

namespace {

double secondsFor(const std::function<void()> &work)
{
    QElapsedTimer timer;
    timer.start();
    work();
    return timer.nsecsElapsed() / 1e9;
}

void report(const char *what, qint64 rounds, double seconds, const char *baselineName, double baseline, double target)
{
    const double rate = rounds / seconds;
    std::printf("%-28s %8.3f s %10.0f rounds/s (target >= %.0f: %s)   %-26s %8.3f s   ratio %5.2f\n", what, seconds,
                rate, target, rate >= target ? "met" : "MISSED", baselineName, baseline, seconds / baseline);
}

// Every round gets a tee, a day and conditions, as a scorebook kept for a handicap has.
void addDetails(const QString &path)
{
    SQLite::Database scorebook(path.toStdString(), SQLite::OPEN_READWRITE);
    scorebook.exec(handicap::handicapTablesSql());
    scorebook.exec("INSERT INTO round_details SELECT record_no, 'white', '2026-05-01', 0 FROM rounds");
}

qint64 readEveryValue(const QString &path)
{
    SQLite::Database scorebook(path.toStdString(), SQLite::OPEN_READONLY);
    SQLite::Statement rows(scorebook,
                           "SELECT r.*, d.tee, d.played_on, d.pcc FROM rounds r"
                           " LEFT JOIN round_details d ON d.record_no = r.record_no ORDER BY r.record_no");
    qint64 bytes = 0;
    while (rows.executeStep()) {
        for (int column = 0; column < rows.getColumnCount(); ++column) {
            bytes += rows.getColumn(column).getBytes();
        }
    }
    return bytes;
}

void copyTables(const QString &from, const QString &to)
{
    SQLite::Database scorebook(to.toStdString(), SQLite::OPEN_READWRITE);
    scorebook.exec(handicap::handicapTablesSql());
    SQLite::Statement attach(scorebook, "ATTACH DATABASE ? AS source");
    attach.bind(1, from.toStdString());
    attach.exec();
    scorebook.exec("BEGIN; INSERT INTO rounds SELECT * FROM source.rounds;"
                   " INSERT INTO round_details SELECT * FROM source.round_details; COMMIT");
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int rounds = app.arguments().size() > 1 ? app.arguments()[1].toInt() : 1000000;
    QTemporaryDir folder;
    const QString club = folder.filePath("club.mdb");
    std::printf("Generating a scorebook of %d rounds...\n", rounds);
    const QString failure = generateScorebook(club, {50, 1000, rounds});
    if (!failure.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(failure));
        return 1;
    }
    addDetails(club);

    const QString csv = folder.filePath("rounds.csv");
    exchange::ExportOutcome exported;
    const double exportSeconds = secondsFor([&] {
        exported = exchange::exportCsv(club, {exchange::Kind::Rounds, csv, {}});
    });
    const double readSeconds = secondsFor([&] { readEveryValue(club); });
    if (exported.status != exchange::ExportOutcome::Status::Done) {
        std::fprintf(stderr, "export failed: %s\n", qPrintable(exported.error));
        return 1;
    }
    report("export all rounds", exported.records, exportSeconds, "plain query, every value", readSeconds, 200000);

    const QString empty = folder.filePath("empty.mdb");
    const QString copy = folder.filePath("copy.mdb");
    generateScorebook(empty, {0, 0, 0});
    generateScorebook(copy, {0, 0, 0});
    exchange::ImportOutcome imported;
    const double importSeconds = secondsFor([&] { imported = exchange::importCsv(empty, csv); });
    const double copySeconds = secondsFor([&] { copyTables(club, copy); });
    if (imported.status != exchange::ImportOutcome::Status::Done) {
        std::fprintf(stderr, "import failed: %s\n", qPrintable(imported.error));
        return 1;
    }
    report("import into an empty book", imported.counts.fresh, importSeconds, "SQL copy table to table", copySeconds,
           100000);
    return 0;
}
