#include "core/scorebook/scorebook_backup.h"

#include "core/scorebook/database_error.h"
#include "core/scorebook/scorebook_connection.h"

#include <QFile>
#include <QFileInfo>

#include <SQLiteCpp/Backup.h>
#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Statement.h>

#include <sqlite3.h>

namespace scorebook {

namespace {

// About a megabyte a step: often enough to show progress and to cancel.
constexpr int pagesPerStep = 256;
// A writer of another program holds its lock for moments; ten seconds is a scorebook in trouble.
constexpr int busyRetries = 200;
constexpr int busyPauseMs = 50;

CopyOutcome failed(const QString &error)
{
    return {CopyOutcome::Status::Failed, error};
}

// A read transaction held over every step keeps the copy to one state of the
// file: a writer waits for it instead of making the copy start over. A caller
// already inside a transaction holds its own.
class ReadHold
{
public:
    explicit ReadHold(SQLite::Database &db)
        : m_db(db)
        , m_own(sqlite3_get_autocommit(db.getHandle()) != 0)
    {
        if (m_own) {
            m_db.exec("BEGIN");
            SQLite::Statement read(m_db, "SELECT count(*) FROM sqlite_master");
            read.executeStep();
        }
    }
    ~ReadHold()
    {
        if (m_own) {
            sqlite3_exec(m_db.getHandle(), "ROLLBACK", nullptr, nullptr, nullptr);
        }
    }
    ReadHold(const ReadHold &) = delete;
    ReadHold &operator=(const ReadHold &) = delete;

private:
    SQLite::Database &m_db;
    bool m_own;
};

} // namespace

CopyOutcome runBackupSteps(SQLite::Backup &backup, const CopyProgress &progress)
{
    int busy = 0;
    for (;;) {
        const int result = backup.executeStep(pagesPerStep);
        const qint64 total = backup.getTotalPageCount();
        if (result == SQLITE_DONE) {
            if (progress) {
                progress(total, total);
            }
            return {};
        }
        if (result == SQLITE_BUSY || result == SQLITE_LOCKED) {
            if (++busy > busyRetries) {
                return failed(QStringLiteral("Another program kept the scorebook locked."));
            }
            sqlite3_sleep(busyPauseMs);
            continue;
        }
        busy = 0;
        if (progress && !progress(total - backup.getRemainingPageCount(), total)) {
            return {CopyOutcome::Status::Cancelled, {}};
        }
    }
}

CopyOutcome copyScorebook(SQLite::Database &source, const QString &target, const CopyProgress &progress,
                          Existing existing)
{
    if (existing == Existing::Keep && QFileInfo::exists(target)) {
        return failed(QStringLiteral("A file of that name is already there."));
    }
    // Written aside and moved into place, so a half-written copy never bears the backup's name.
    const QString writing = target + QStringLiteral(".part");
    QFile::remove(writing);
    CopyOutcome outcome;
    try {
        ReadHold hold(source);
        SQLite::Database copy(writing.toStdString(), SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE);
        SQLite::Backup backup(copy, source);
        outcome = runBackupSteps(backup, progress);
    } catch (const SQLite::Exception &e) {
        outcome = failed(databaseErrorFrom(e).message());
    }
    if (outcome.status != CopyOutcome::Status::Done) {
        QFile::remove(writing);
        return outcome;
    }
    if (existing == Existing::Replace) {
        QFile::remove(target);
    }
    if (!QFile::rename(writing, target)) {
        QFile::remove(writing);
        return failed(QStringLiteral("The copy could not be given its name."));
    }
    return {};
}

CopyOutcome backUpScorebook(const QString &scorebookPath, const QString &target, const CopyProgress &progress,
                            Existing existing)
{
    if (QFileInfo(target).canonicalFilePath() == QFileInfo(scorebookPath).canonicalFilePath()) {
        return failed(QStringLiteral("That file is the scorebook itself."));
    }
    try {
        const auto source = openScorebookConnection(scorebookPath);
        return copyScorebook(*source, target, progress, existing);
    } catch (const DatabaseError &error) {
        return failed(error.message());
    }
}

QString backUp(SQLite::Database &source, const QString &target)
{
    return copyScorebook(source, target).error;
}

QString suggestedBackupPath(const QString &scorebookPath, const QDate &day)
{
    const QFileInfo file(scorebookPath);
    const QString suffix = file.suffix().isEmpty() ? QString() : QLatin1Char('.') + file.suffix();
    return file.absolutePath() + QLatin1Char('/') + file.completeBaseName() + QLatin1Char('-')
        + day.toString(QStringLiteral("yyyy-MM-dd")) + suffix;
}

} // namespace scorebook
