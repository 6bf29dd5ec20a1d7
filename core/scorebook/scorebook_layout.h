#pragma once

#include <QDate>
#include <QString>

#include <vector>

namespace SQLite {
class Database;
}

// The parts the scorebook's layout gained after its first version, and the
// safe way to add them to a golfer's file: a dated copy first, then every
// missing part in one transaction.
namespace scorebook {

// One addition to the layout: a query that yields a row when the part is
// there, and the statement that adds it.
struct LayoutStep
{
    const char *presentQuery;
    const char *addStatement;
    const char *index = nullptr; // the index of "rounds" it adds, if it adds one
};

// Every addition, oldest first; later tables and indexes join the end.
const std::vector<LayoutStep> &layoutSteps();

// For a large import of rounds: the indexes of "rounds" are dropped before and
// built again after, which is quicker than keeping them up to date row by row.
// Both belong inside the import's transaction.
void dropRoundIndexes(SQLite::Database &db);
void buildRoundIndexes(SQLite::Database &db);

// Where the copy made before a layout change on `day` goes: "<file>.bak-YYYYMMDD" beside the file.
QString backupPath(const QString &scorebookPath, const QDate &day);

enum class LayoutOutcome
{
    Current, // nothing was missing
    Updated, // the missing parts were added after the backup
    ReadOnly, // the file cannot be written: it is used as it is
    Failed // nothing was changed; problem says why
};

struct LayoutResult
{
    LayoutOutcome outcome = LayoutOutcome::Current;
    QString problem;
};

// Adds the missing parts to a writable scorebook. Before the first change it
// backs the file up for `day`; a backup already made that day is kept as it is.
LayoutResult bringUpToDate(SQLite::Database &db, const QDate &day);
LayoutResult bringUpToDate(const QString &scorebookPath, const QDate &day);

} // namespace scorebook
