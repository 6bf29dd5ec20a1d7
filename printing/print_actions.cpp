#include "printing/print_actions.h"

#include "ui/app_context.h"
#include "ui/wait_cursor.h"

#include <QDir>
#include <QStandardPaths>
#include <QTextDocument>

void printPage(QWidget *parent, AppContext &context, const PrintedPage &page)
{
    const auto document = pageDocument(page);
    context.printPreview->show(parent, *document);
}

void savePageAsPdf(QWidget *parent, AppContext &context, const PrintedPage &page, const QString &suggestedName)
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString path
        = context.files->saveFileName(parent, QStringLiteral("Save as PDF"), QDir(folder).filePath(suggestedName),
                                      QStringLiteral("PDF files (*.pdf)"));
    if (path.isEmpty()) {
        return;
    }
    QString problem;
    {
        WaitCursor hourglass;
        problem = writePdf(page, path);
    }
    if (!problem.isEmpty()) {
        context.messages->show(parent,
                               {QStringLiteral("Save as PDF"),
                                QStringLiteral("%1\n%2").arg(QDir::toNativeSeparators(path), problem),
                                MessageButtons::Ok, MessageIcon::Critical});
    }
}
