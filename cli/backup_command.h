#pragma once

#include <QString>
#include <QTextStream>

namespace cli {

// Copies the scorebook to OUT with SQLite's online backup, safe while the
// program writes to it. Returns 0, or 2 with a message on `errors` and no file
// written (an existing OUT is never replaced).
int runBackup(const QString &scorebookPath, const QString &backupPath, QTextStream &output, QTextStream &errors);

} // namespace cli
