#pragma once

#include "cli/command_line.h"

#include <QString>
#include <QTextStream>

namespace cli {

// Prints the golfer's index from the scorebook, read-only. Returns the exit
// code: 0, or 2 with a message on `errors` when the file is not a readable
// scorebook or has no such golfer.
int runIndex(const QString &scorebookPath, const IndexRequest &request, QTextStream &output, QTextStream &errors);

} // namespace cli
