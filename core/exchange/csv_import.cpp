#include "core/exchange/csv_import.h"

#include "core/exchange/csv_reader.h"
#include "core/exchange/field_checks.h"
#include "core/exchange/import_target.h"
#include "core/exchange/scorebook_tables.h"
#include "core/scorebook/scorebook_layout.h"

#include <QFile>

#include <SQLiteCpp/Transaction.h>

namespace exchange {

namespace {

constexpr int progressStep = 4096;
constexpr int maxHeaderFields = 10000;
// About 30,000 rounds.
constexpr qint64 BulkImportBytes = 8 * 1024 * 1024;

ImportOutcome failed(const QString &error)
{
    ImportOutcome outcome;
    outcome.status = ImportOutcome::Status::Failed;
    outcome.error = error;
    return outcome;
}

ImportOutcome malformed(ImportOutcome outcome, const CsvProblem &problem)
{
    outcome.status = ImportOutcome::Status::Malformed;
    outcome.problem = problem;
    outcome.error = problem.text();
    outcome.counts = {};
    return outcome;
}

std::optional<CsvProblem> recordProblem(const ImportTarget &target, const std::vector<CsvField> &record, int count)
{
    const auto &columns = target.columns();
    const int expected = int(columns.size());
    if (count < expected) {
        return CsvProblem {
            record[count - 1].line, count + 1,
            QStringLiteral("the record ends after %1 fields; the header has %2").arg(count).arg(expected)};
    }
    for (int column = 0; column < expected; ++column) {
        const QString why = fieldProblem(record[column], columns[column].number);
        if (!why.isEmpty()) {
            return CsvProblem {record[column].line, column + 1, why};
        }
    }
    return target.check(record);
}

// One pass over the file: every record checked and matched, the new ones
// stored when asked. The caller's transaction keeps or drops what was stored.
ImportOutcome readFile(SQLite::Database &scorebook, QFile &file, bool storing, const Progress &progress)
{
    ImportOutcome outcome;
    CsvReader reader(file);
    std::vector<CsvField> record;
    int count = 0;
    if (!reader.readRecord(record, count, maxHeaderFields)) {
        return malformed(outcome, reader.problem().value_or(CsvProblem {1, 1, QStringLiteral("the file is empty")}));
    }
    TargetForHeader found = targetForHeader(scorebook, record, count);
    if (!found.target) {
        return malformed(outcome, *found.problem);
    }
    ImportTarget &target = *found.target;
    outcome.kind = target.kind();
    const int fields = int(target.columns().size());
    const qint64 total = file.size();
    // A club's worth of rounds: the indexes are built once at the end instead.
    const bool bulk = storing && target.kind() == Kind::Rounds && total > BulkImportBytes;
    if (bulk) {
        scorebook::dropRoundIndexes(scorebook);
    }
    for (qint64 records = 1; reader.readRecord(record, count, fields); ++records) {
        if (const auto problem = recordProblem(target, record, count)) {
            return malformed(outcome, *problem);
        }
        switch (target.match(record)) {
        case Match::New:
            ++outcome.counts.fresh;
            if (storing) {
                target.store(record);
            }
            break;
        case Match::Identical:
            ++outcome.counts.identical;
            break;
        case Match::Conflicting:
            ++outcome.counts.conflicting;
            break;
        }
        if (records % progressStep == 0 && progress && !progress(reader.bytesRead(), total)) {
            outcome.status = ImportOutcome::Status::Cancelled;
            return outcome;
        }
    }
    if (reader.problem()) {
        return malformed(outcome, *reader.problem());
    }
    if (bulk) {
        scorebook::buildRoundIndexes(scorebook);
    }
    if (progress) {
        progress(total, total);
    }
    return outcome;
}

ImportOutcome runImport(const QString &scorebookPath, const QString &csvPath, bool storing, const Progress &progress)
{
    QFile file(csvPath);
    if (!file.open(QIODevice::ReadOnly)) {
        return failed(QStringLiteral("%1 cannot be read: %2").arg(csvPath, file.errorString()));
    }
    const OpenScorebook opened = openScorebook(scorebookPath, storing);
    if (!opened.database) {
        return failed(opened.problem);
    }
    SQLite::Database &scorebook = *opened.database;
    try {
        // Taking the write lock first: the records counted are the ones compared with.
        SQLite::Transaction transaction(
            scorebook, storing ? SQLite::TransactionBehavior::IMMEDIATE : SQLite::TransactionBehavior::DEFERRED);
        ImportOutcome outcome = readFile(scorebook, file, storing, progress);
        if (storing && outcome.status == ImportOutcome::Status::Done) {
            transaction.commit();
        }
        return outcome;
    } catch (const SQLite::Exception &e) {
        return failed(
            QStringLiteral("the scorebook %1 refused the records: %2").arg(scorebookPath, QString::fromUtf8(e.what())));
    }
}

} // namespace

ImportOutcome previewImport(const QString &scorebookPath, const QString &csvPath, const Progress &progress)
{
    return runImport(scorebookPath, csvPath, false, progress);
}

ImportOutcome importCsv(const QString &scorebookPath, const QString &csvPath, const Progress &progress)
{
    return runImport(scorebookPath, csvPath, true, progress);
}

} // namespace exchange
