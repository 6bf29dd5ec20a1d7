#pragma once

#include "cli/command_line.h"

#include <QString>
#include <QTextStream>

namespace cli {

// Writes the scorebook's rounds, courses or golfers to a CSV file. Returns the
// exit code: 0, or 2 with a message on `errors`, the file left untouched.
int runExport(const QString &scorebookPath, const ExportRequest &request, QTextStream &output, QTextStream &errors);

// Counts the CSV file's new, identical and conflicting records and, when asked,
// stores the new ones. Returns 0, or 2 with a message on `errors` (for a
// malformed file "line L, column C: why") and nothing stored.
int runImport(const QString &scorebookPath, const ImportRequest &request, QTextStream &output, QTextStream &errors);

} // namespace cli
