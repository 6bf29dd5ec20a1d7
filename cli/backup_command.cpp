#include "cli/backup_command.h"

#include "cli/command_failure.h"
#include "core/scorebook/scorebook_backup.h"
#include "core/scorebook/scorebook_file.h"

namespace cli {

int runBackup(const QString &scorebookPath, const QString &backupPath, QTextStream &output, QTextStream &errors)
{
    QString problem = scorebook::inspect(scorebookPath).problem;
    if (problem.isEmpty()) {
        problem = scorebook::backUpScorebook(scorebookPath, backupPath).error;
    }
    if (!problem.isEmpty()) {
        return fail(errors, QStringLiteral("%1: %2 No backup was written.").arg(scorebookPath, problem));
    }
    output << QStringLiteral("Backed up %1 to %2.\n").arg(scorebookPath, backupPath);
    output.flush();
    return 0;
}

} // namespace cli
