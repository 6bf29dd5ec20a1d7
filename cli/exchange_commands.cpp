#include "cli/exchange_commands.h"

#include "cli/command_failure.h"
#include "core/exchange/csv_export.h"
#include "core/exchange/csv_import.h"

namespace cli {

namespace {

QString countsText(const exchange::ImportOutcome &outcome)
{
    return QStringLiteral("%1 new, %2 identical, %3 conflicting")
        .arg(outcome.counts.fresh)
        .arg(outcome.counts.identical)
        .arg(outcome.counts.conflicting);
}

} // namespace

int runExport(const QString &scorebookPath, const ExportRequest &request, QTextStream &output, QTextStream &errors)
{
    const exchange::Kind kind = exchange::kindNamed(request.kind).value_or(exchange::Kind::Rounds);
    const auto outcome = exchange::exportCsv(scorebookPath, {kind, request.csvPath, {}});
    if (outcome.status != exchange::ExportOutcome::Status::Done) {
        return fail(errors, outcome.error + QLatin1Char('.'));
    }
    output << QStringLiteral("Wrote %1 %2 to %3.\n").arg(outcome.records).arg(request.kind, request.csvPath);
    output.flush();
    return 0;
}

int runImport(const QString &scorebookPath, const ImportRequest &request, QTextStream &output, QTextStream &errors)
{
    const auto outcome = request.store ? exchange::importCsv(scorebookPath, request.csvPath)
                                       : exchange::previewImport(scorebookPath, request.csvPath);
    switch (outcome.status) {
    case exchange::ImportOutcome::Status::Malformed:
        return fail(errors, QStringLiteral("%1: %2. Nothing was stored.").arg(request.csvPath, outcome.error));
    case exchange::ImportOutcome::Status::Failed:
        return fail(errors, outcome.error + QStringLiteral(". Nothing was stored."));
    case exchange::ImportOutcome::Status::Cancelled: // nothing here cancels
        return fail(errors, QStringLiteral("the import was cancelled. Nothing was stored."));
    case exchange::ImportOutcome::Status::Done:
        break;
    }
    const QString kind = exchange::kindName(outcome.kind);
    if (request.store) {
        output << QStringLiteral("Stored %1 new %2 from %3; %4 identical and %5 conflicting left as they were.\n")
                      .arg(outcome.counts.fresh)
                      .arg(kind, request.csvPath)
                      .arg(outcome.counts.identical)
                      .arg(outcome.counts.conflicting);
    } else {
        output << QStringLiteral("%1 in %2: %3.\nNothing was stored; run again with --yes to store the new %1.\n")
                      .arg(kind, request.csvPath, countsText(outcome));
    }
    output.flush();
    return 0;
}

} // namespace cli
