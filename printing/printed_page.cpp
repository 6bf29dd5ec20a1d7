#include "printing/printed_page.h"

#include <QFileInfo>
#include <QLocale>
#include <QPrinter>
#include <QTextDocument>

namespace {

const QString pageStyle
    = QStringLiteral("body { color: black; background: white; font-family: sans-serif; font-size: 10pt; }"
                     "h1 { font-size: 16pt; margin-bottom: 2pt; }"
                     "h2 { font-size: 12pt; margin-top: 10pt; margin-bottom: 4pt; }"
                     "table { border-collapse: collapse; }"
                     "td, th { border: 1px solid black; padding: 2px 4px; text-align: right; }"
                     "th { font-weight: bold; }"
                     "td.name, th.name { text-align: left; }");

} // namespace

std::unique_ptr<QTextDocument> pageDocument(const PrintedPage &page)
{
    auto document = std::make_unique<QTextDocument>();
    document->setMetaInformation(QTextDocument::DocumentTitle, page.title);
    document->setDefaultStyleSheet(pageStyle);
    document->setHtml(page.html);
    return document;
}

QPageSize::PageSizeId localPaperSize()
{
    return QLocale().measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter : QPageSize::A4;
}

QString writePdf(const PrintedPage &page, const QString &path, QPageSize::PageSizeId paper)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setPageSize(QPageSize(paper));
    printer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
    printer.setDocName(page.title);
    pageDocument(page)->print(&printer);
    // QPrinter tells of a file it could not write only by leaving none.
    if (!QFileInfo(path).isFile() || QFileInfo(path).size() == 0) {
        return QStringLiteral("The file could not be written there.");
    }
    return {};
}

QString escaped(const QString &text)
{
    return text.toHtmlEscaped();
}

QString tableRow(const QStringList &cells, bool heading)
{
    const QString cell = heading ? QStringLiteral("th") : QStringLiteral("td");
    QString row = QStringLiteral("<tr>");
    for (int at = 0; at < cells.size(); ++at) {
        // No cell is broken, however narrow the paper: a figure or caption in two lines misleads.
        const QString kind = at == 0 ? QStringLiteral(" class=\"name\"") : QString();
        row += QStringLiteral("<%1%2 style=\"white-space: nowrap\">%3</%1>").arg(cell, kind, escaped(cells[at]));
    }
    return row + QStringLiteral("</tr>");
}
