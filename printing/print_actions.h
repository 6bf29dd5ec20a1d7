#pragma once

#include "printing/printed_page.h"

struct AppContext;
class QWidget;

// What a window's print and PDF buttons do with its page.

// Shows the page in the print preview, where it can be printed.
void printPage(QWidget *parent, AppContext &context, const PrintedPage &page);

// Asks where to save the page (offering `suggestedName` in the user's
// documents folder) and writes it there as a PDF; tells when it cannot.
void savePageAsPdf(QWidget *parent, AppContext &context, const PrintedPage &page, const QString &suggestedName);
