#include "core/scorebook/scorebook_restore.h"

#include "core/scorebook/database_error.h"
#include "core/scorebook/scorebook_connection.h"
#include "core/scorebook/scorebook_file.h"

#include <QFile>
#include <QFileInfo>

#include <SQLiteCpp/Backup.h>
#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Statement.h>

namespace scorebook {

namespace {

RestoreOutcome failed(const QString &error)
{
    return {CopyOutcome::Status::Failed, {}, error};
}

QString integrityProblem(const QString &path)
{
    try {
        SQLite::Database db(path.toStdString(), SQLite::OPEN_READONLY);
        SQLite::Statement check(db, "PRAGMA integrity_check");
        if (check.executeStep()) {
            const QString verdict = QString::fromUtf8(check.getColumn(0).getText());
            if (verdict != QLatin1String("ok")) {
                return QStringLiteral("It is damaged (%1).").arg(verdict);
            }
        }
    } catch (const SQLite::Exception &e) {
        return QStringLiteral("It is not a scorebook database (%1).").arg(QString::fromUtf8(e.what()));
    }
    return {};
}

// Every page of the backup written over the scorebook. The destination's write
// transaction lasts from the first step to the last, so stopping early
// leaves the scorebook as it was.
CopyOutcome copyOver(SQLite::Database &scorebookDb, const QString &backupPath, const CopyProgress &progress)
{
    SQLite::Database backupDb(backupPath.toStdString(), SQLite::OPEN_READONLY);
    SQLite::Backup restore(scorebookDb, backupDb);
    return runBackupSteps(restore, progress);
}

} // namespace

QString backupProblem(const QString &backupPath)
{
    const Check check = inspect(backupPath);
    if (check.health != Health::Ready) {
        return check.problem;
    }
    return integrityProblem(backupPath);
}

QString replacedCopyPath(const QString &scorebookPath, const QDate &day)
{
    const QFileInfo file(scorebookPath);
    const QString suffix = file.suffix().isEmpty() ? QString() : QLatin1Char('.') + file.suffix();
    const QString stem = file.absolutePath() + QLatin1Char('/') + file.completeBaseName() + QStringLiteral("-replaced-")
        + day.toString(QStringLiteral("yyyy-MM-dd"));
    QString path = stem + suffix;
    for (int number = 2; QFileInfo::exists(path); ++number) {
        path = stem + QLatin1Char('-') + QString::number(number) + suffix;
    }
    return path;
}

RestoreOutcome restoreFromBackup(const QString &backupPath, const QString &scorebookPath, const QDate &day,
                                 const CopyProgress &progress)
{
    if (QFileInfo(backupPath).canonicalFilePath() == QFileInfo(scorebookPath).canonicalFilePath()) {
        return failed(QStringLiteral("That file is the scorebook itself."));
    }
    if (const QString problem = backupProblem(backupPath); !problem.isEmpty()) {
        return failed(problem);
    }
    const QString kept = replacedCopyPath(scorebookPath, day);
    try {
        const auto scorebookDb = openScorebookConnection(scorebookPath);
        // The replaced scorebook is kept whole before a single page of it is overwritten.
        const CopyOutcome keeping = copyScorebook(*scorebookDb, kept);
        if (keeping.status != CopyOutcome::Status::Done) {
            return failed(QStringLiteral("The scorebook could not be kept: %1").arg(keeping.error));
        }
        const CopyOutcome restoring = copyOver(*scorebookDb, backupPath, progress);
        if (restoring.status != CopyOutcome::Status::Done) {
            QFile::remove(kept); // the scorebook is unchanged, so the copy of it is not needed
            return {restoring.status, {}, restoring.error};
        }
    } catch (const DatabaseError &error) {
        return failed(error.message());
    } catch (const SQLite::Exception &e) {
        return failed(databaseErrorFrom(e).message());
    }
    return {CopyOutcome::Status::Done, kept, {}};
}

} // namespace scorebook
