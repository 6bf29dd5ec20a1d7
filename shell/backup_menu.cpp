#include "shell/backup_menu.h"

#include "core/scorebook/scorebook_backup.h"
#include "core/scorebook/scorebook_restore.h"
#include "ui/app_context.h"
#include "ui/operation_progress.h"

#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>

namespace {

const QString BackupTitle = QStringLiteral("Back Up Scorebook");
const QString RestoreTitle = QStringLiteral("Restore from Backup");
const QString ScorebookFilter = QStringLiteral("Scorebooks (*.mdb);;All files (*)");

QString shown(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

} // namespace

BackupMenu::BackupMenu(AppContext &context, QWidget *window, std::function<void()> reopen)
    : QObject(window)
    , m_context(context)
    , m_window(window)
    , m_reopen(std::move(reopen))
    , m_bar(new QMenuBar(window))
{
    m_bar->setObjectName(QStringLiteral("mnuBar"));
    QMenu *file = m_bar->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    QAction *backUpAction = file->addAction(QStringLiteral("&Back up scorebook…"));
    backUpAction->setObjectName(QStringLiteral("mnuBackUp"));
    QAction *restoreAction = file->addAction(QStringLiteral("&Restore from backup…"));
    restoreAction->setObjectName(QStringLiteral("mnuRestore"));
    connect(backUpAction, &QAction::triggered, this, &BackupMenu::backUp);
    connect(restoreAction, &QAction::triggered, this, &BackupMenu::restore);
}

void BackupMenu::backUp()
{
    const QString scorebookPath = m_context.databasePath();
    const QString target = m_context.files->saveFileName(
        m_window, BackupTitle, scorebook::suggestedBackupPath(scorebookPath, QDate::currentDate()), ScorebookFilter);
    if (target.isEmpty()) {
        return;
    }
    scorebook::CopyOutcome outcome;
    {
        OperationProgress progress(m_window, QStringLiteral("Backing up the scorebook ..."));
        // The file dialog has asked before a file is replaced; it is replaced only by a whole copy.
        outcome = scorebook::backUpScorebook(scorebookPath, target, progress.report(), scorebook::Existing::Replace);
    }
    const auto say = [this](const QString &text, MessageIcon icon) {
        m_context.messages->show(m_window, {BackupTitle, text, MessageButtons::Ok, icon});
    };
    switch (outcome.status) {
    case scorebook::CopyOutcome::Status::Done:
        say(QStringLiteral("The scorebook was backed up to\n%1").arg(shown(target)), MessageIcon::Information);
        break;
    case scorebook::CopyOutcome::Status::Cancelled:
        say(QStringLiteral("The backup was cancelled. No file was written."), MessageIcon::Information);
        break;
    case scorebook::CopyOutcome::Status::Failed:
        say(QStringLiteral("No backup was made.\n%1").arg(outcome.error), MessageIcon::Critical);
        break;
    }
}

void BackupMenu::restore()
{
    const QString scorebookPath = m_context.databasePath();
    const QString backup = m_context.files->openFileName(m_window, RestoreTitle,
                                                         QFileInfo(scorebookPath).absolutePath(), ScorebookFilter);
    if (backup.isEmpty()) {
        return;
    }
    const auto say = [this](const QString &text, MessageIcon icon) {
        m_context.messages->show(m_window, {RestoreTitle, text, MessageButtons::Ok, icon});
    };
    if (const QString problem = scorebook::backupProblem(backup); !problem.isEmpty()) {
        say(QStringLiteral("%1 cannot be restored: %2\nThe scorebook was left as it is.").arg(shown(backup), problem),
            MessageIcon::Critical);
        return;
    }
    const MessageAnswer answer
        = m_context.messages->show(m_window,
                                   {RestoreTitle,
                                    QStringLiteral("Replace every record of the scorebook with those of\n%1?\n\n"
                                                   "The scorebook as it is now is kept as a dated copy beside it.")
                                        .arg(shown(backup)),
                                    MessageButtons::YesNo, MessageIcon::Question, MessageAnswer::No});
    if (answer != MessageAnswer::Yes) {
        return;
    }
    scorebook::RestoreOutcome outcome;
    {
        OperationProgress progress(m_window, QStringLiteral("Restoring the scorebook ..."));
        outcome = scorebook::restoreFromBackup(backup, scorebookPath, QDate::currentDate(), progress.report());
    }
    switch (outcome.status) {
    case scorebook::CopyOutcome::Status::Done:
        m_reopen();
        say(QStringLiteral("The scorebook was restored from\n%1\n\nThe scorebook it replaced was kept as\n%2")
                .arg(shown(backup), shown(outcome.keptCopy)),
            MessageIcon::Information);
        break;
    case scorebook::CopyOutcome::Status::Cancelled:
        say(QStringLiteral("The restore was cancelled. The scorebook was left as it is."), MessageIcon::Information);
        break;
    case scorebook::CopyOutcome::Status::Failed:
        say(QStringLiteral("The scorebook was left as it is.\n%1").arg(outcome.error), MessageIcon::Critical);
        break;
    }
}
