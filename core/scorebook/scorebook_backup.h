#pragma once

#include <QDate>
#include <QString>

#include <functional>

namespace SQLite {
class Backup;
class Database;
} // namespace SQLite

// Whole copies of a scorebook made with SQLite's online backup, so a copy
// taken while another program writes to the file is still one consistent
// state of it.
namespace scorebook {

// Told how many pages of the copy are done; returning false cancels it.
using CopyProgress = std::function<bool(qint64 done, qint64 total)>;

struct CopyOutcome
{
    enum class Status
    {
        Done,
        Cancelled,
        Failed
    };
    Status status = Status::Done;
    QString error; // in plain words, when Failed
};

// What becomes of a file already at the target: kept (the copy is refused),
// or replaced once the copy is whole.
enum class Existing
{
    Keep,
    Replace
};

// Copies the open scorebook to `target`. A cancelled or failed copy leaves the
// target as it was (no file, or the one that was there).
CopyOutcome copyScorebook(SQLite::Database &source, const QString &target, const CopyProgress &progress = {},
                          Existing existing = Existing::Keep);
CopyOutcome backUpScorebook(const QString &scorebookPath, const QString &target, const CopyProgress &progress = {},
                            Existing existing = Existing::Keep);

// Steps an online backup to its end, a megabyte at a time, waiting out
// another program's short locks.
CopyOutcome runBackupSteps(SQLite::Backup &backup, const CopyProgress &progress);

// The same without progress: an empty text on success, else what went wrong.
QString backUp(SQLite::Database &source, const QString &target);

// The name offered for a backup made on `day`: the scorebook's own name with
// the date, e.g. "teedat2000-2026-12-07.mdb", beside it.
QString suggestedBackupPath(const QString &scorebookPath, const QDate &day);

} // namespace scorebook
