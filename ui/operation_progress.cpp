#include "ui/operation_progress.h"

#include <QProgressDialog>

namespace {

constexpr int steps = 1000;

} // namespace

OperationProgress::OperationProgress(QWidget *parent, const QString &label)
    : m_dialog(std::make_unique<QProgressDialog>(label, QStringLiteral("Cancel"), 0, steps, parent))
{
    m_dialog->setObjectName(QStringLiteral("progress"));
    m_dialog->setWindowTitle(label);
    m_dialog->setWindowModality(Qt::WindowModal);
    m_dialog->setMinimumDuration(400);
    m_dialog->setAutoReset(false);
    m_dialog->setAutoClose(false);
}

OperationProgress::~OperationProgress() = default;

std::function<bool(qint64, qint64)> OperationProgress::report()
{
    return [this](qint64 done, qint64 total) {
        // A modal dialog takes events as its value changes, so Cancel is seen here.
        m_dialog->setValue(total > 0 ? int(done * steps / total) : 0);
        return !m_dialog->wasCanceled();
    };
}
