#include "ui/exchange_flow.h"

#include "core/exchange/csv_export.h"
#include "core/exchange/csv_import.h"
#include "core/scorebook/database_error.h"
#include "ui/app_context.h"
#include "ui/operation_progress.h"
#include "ui/scorebook_lists.h"

#include <QDir>
#include <QFileInfo>

namespace {

const QString ExportTitle = QStringLiteral("Export");
const QString ImportTitle = QStringLiteral("Import");
const QString CsvFilter = QStringLiteral("CSV files (*.csv)");

void tell(QWidget *parent, AppContext &context, const QString &title, const QString &text, MessageIcon icon)
{
    context.messages->show(parent, {title, text, MessageButtons::Ok, icon});
}

QString countsText(const exchange::ImportCounts &counts)
{
    return QStringLiteral("%1 new, %2 identical, %3 conflicting")
        .arg(counts.fresh)
        .arg(counts.identical)
        .arg(counts.conflicting);
}

// Whether the preview or import went through; tells why not when it did not.
bool wentThrough(QWidget *parent, AppContext &context, const exchange::ImportOutcome &outcome)
{
    switch (outcome.status) {
    case exchange::ImportOutcome::Status::Done:
        return true;
    case exchange::ImportOutcome::Status::Cancelled:
        tell(parent, context, ImportTitle, QStringLiteral("The import was cancelled. Nothing was stored."),
             MessageIcon::Information);
        return false;
    case exchange::ImportOutcome::Status::Malformed:
    case exchange::ImportOutcome::Status::Failed:
        tell(parent, context, ImportTitle, QStringLiteral("%1\nNothing was stored.").arg(outcome.error),
             MessageIcon::Critical);
        return false;
    }
    return false;
}

} // namespace

bool exportRecords(QWidget *parent, AppContext &context, exchange::Kind kind, const QString &golfer)
{
    const QString folder = QFileInfo(context.databasePath()).absolutePath();
    const QString path = context.files->saveFileName(
        parent, ExportTitle, QDir(folder).filePath(exchange::kindName(kind) + QStringLiteral(".csv")), CsvFilter);
    if (path.isEmpty()) {
        return false;
    }
    exchange::ExportOutcome outcome;
    {
        OperationProgress progress(parent, QStringLiteral("Writing %1 ...").arg(exchange::kindName(kind)));
        outcome = exchange::exportCsv(context.databasePath(), {kind, path, golfer}, progress.report());
    }
    switch (outcome.status) {
    case exchange::ExportOutcome::Status::Done:
        tell(parent, context, ExportTitle,
             QStringLiteral("%1 %2 written to\n%3")
                 .arg(outcome.records)
                 .arg(exchange::kindName(kind), QDir::toNativeSeparators(path)),
             MessageIcon::Information);
        return true;
    case exchange::ExportOutcome::Status::Cancelled:
        tell(parent, context, ExportTitle, QStringLiteral("The export was cancelled. No file was written."),
             MessageIcon::Information);
        return false;
    case exchange::ExportOutcome::Status::Failed:
        tell(parent, context, ExportTitle, QStringLiteral("%1\nNo file was written.").arg(outcome.error),
             MessageIcon::Critical);
        return false;
    }
    return false;
}

bool importRecords(QWidget *parent, AppContext &context)
{
    const QString path
        = context.files->openFileName(parent, ImportTitle, QFileInfo(context.databasePath()).absolutePath(), CsvFilter);
    if (path.isEmpty()) {
        return false;
    }
    exchange::ImportOutcome preview;
    {
        OperationProgress progress(parent, QStringLiteral("Reading the file ..."));
        preview = exchange::previewImport(context.databasePath(), path, progress.report());
    }
    if (!wentThrough(parent, context, preview)) {
        return false;
    }
    const QString kind = exchange::kindName(preview.kind);
    if (preview.counts.fresh == 0) {
        tell(parent, context, ImportTitle,
             QStringLiteral("The file holds %1 %2: nothing new to store.").arg(countsText(preview.counts), kind),
             MessageIcon::Information);
        return false;
    }
    const MessageAnswer answer = context.messages->show(
        parent,
        {ImportTitle,
         QStringLiteral("The file holds %1 %2.\n\nStore the %3 new ones? Records already in the scorebook "
                        "are left as they are.")
             .arg(countsText(preview.counts), kind)
             .arg(preview.counts.fresh),
         MessageButtons::YesNo, MessageIcon::Question, MessageAnswer::Yes});
    if (answer != MessageAnswer::Yes) {
        return false;
    }
    exchange::ImportOutcome stored;
    {
        OperationProgress progress(parent, QStringLiteral("Storing %1 ...").arg(kind));
        stored = exchange::importCsv(context.databasePath(), path, progress.report());
    }
    if (!wentThrough(parent, context, stored)) {
        return false;
    }
    try {
        reloadScorebookLists(context);
    } catch (const DatabaseError &error) {
        tell(parent, context, ImportTitle, error.message(), MessageIcon::Warning);
    }
    tell(parent, context, ImportTitle, QStringLiteral("%1 new %2 stored.").arg(stored.counts.fresh).arg(kind),
         MessageIcon::Information);
    return true;
}
