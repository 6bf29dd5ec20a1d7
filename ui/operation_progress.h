#pragma once

#include <QString>

#include <functional>
#include <memory>

class QProgressDialog;
class QWidget;

// A long operation's progress in a window with a Cancel button, shown once the
// operation has taken a moment.
class OperationProgress
{
public:
    OperationProgress(QWidget *parent, const QString &label);
    ~OperationProgress();
    OperationProgress(const OperationProgress &) = delete;
    OperationProgress &operator=(const OperationProgress &) = delete;

    // For the operation to call as it goes: false once Cancel has been pressed.
    std::function<bool(qint64 done, qint64 total)> report();

private:
    std::unique_ptr<QProgressDialog> m_dialog;
};
