#include "printing/qt_print_preview.h"

#include "printing/printed_page.h"

#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QTextDocument>

void QtPrintPreview::show(QWidget *parent, QTextDocument &document)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(localPaperSize()));
    printer.setDocName(document.metaInformation(QTextDocument::DocumentTitle));
    QPrintPreviewDialog preview(&printer, parent);
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [&document](QPrinter *target) { document.print(target); });
    preview.exec();
}
