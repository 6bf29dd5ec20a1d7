#pragma once

#include "core/scorebook/scorebook_backup.h"

#include <QDate>
#include <QString>

// Putting a backup back in place of the scorebook: only a whole scorebook is
// put back, and the scorebook it replaces is kept beside it.
namespace scorebook {

// What keeps the file from being put back, in plain words; empty when it is a
// whole scorebook (SQLite's integrity check passes and the three tables have
// every field). Never changes the file.
QString backupProblem(const QString &backupPath);

// Where the scorebook replaced on `day` is kept: "<name>-replaced-YYYY-MM-DD.<ext>"
// beside it, with "-2", "-3" ... added when that name is taken.
QString replacedCopyPath(const QString &scorebookPath, const QDate &day);

struct RestoreOutcome
{
    CopyOutcome::Status status = CopyOutcome::Status::Done;
    QString keptCopy; // where the replaced scorebook now is, when Done
    QString error; // in plain words, when Failed
};

// Checks the backup, keeps a copy of the scorebook, then copies the backup
// over the scorebook in one transaction, so a program that has it open sees
// either the old or the restored records, and a cancel or failure changes
// nothing. The caller opens the restored scorebook as on start-up.
RestoreOutcome restoreFromBackup(const QString &backupPath, const QString &scorebookPath, const QDate &day,
                                 const CopyProgress &progress = {});

} // namespace scorebook
