#pragma once

#include <QPageSize>
#include <QString>

#include <memory>

class QTextDocument;

// A page for the printer, built from values (never from what a window shows):
// black on white, in HTML for a text document, so it flows onto any paper size.
struct PrintedPage
{
    QString title; // also the document's name in the print queue
    QString html;
};

std::unique_ptr<QTextDocument> pageDocument(const PrintedPage &page);

// Letter where the user's locale measures in inches, else A4.
QPageSize::PageSizeId localPaperSize();

// Writes the page as a PDF file. Returns an empty text on success, else what went wrong.
QString writePdf(const PrintedPage &page, const QString &path, QPageSize::PageSizeId paper = localPaperSize());

// Helpers for the pages: a text made safe for HTML, and one row of table cells.
QString escaped(const QString &text);
QString tableRow(const QStringList &cells, bool heading = false);
