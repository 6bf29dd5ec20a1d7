#include "ui/form_window.h"

#include "ui/app_context.h"
#include "ui/launch_help.h"
#include "ui/navigator.h"

#include <QCloseEvent>
#include <QPushButton>

FormWindow::FormWindow(AppContext &context, const QString &name)
    : m_context(context)
{
    setObjectName(name);
    setAttribute(Qt::WA_DeleteOnClose, false);
}

void FormWindow::closeEvent(QCloseEvent *event)
{
    if (m_context.windows && m_context.windows->isExiting()) {
        event->accept();
        return;
    }
    event->ignore();
    leaveByFrame();
}

void FormWindow::returnToMainMenu()
{
    setVisible(false);
    m_context.windows->makeVisible(QStringLiteral("frmMain"));
}

QPushButton *FormWindow::makeHelpButton()
{
    auto *button = new QPushButton(this);
    button->setObjectName(QStringLiteral("cmdHelp"));
    button->setToolTip(QStringLiteral(" Click Here for HELP "));
    button->setAccessibleName(QStringLiteral("Help"));
    button->setIconSize(QSize(40, 40));
    button->setFixedSize(52, 52);
    button->setVisible(false);
    connect(button, &QPushButton::clicked, this, [this] { launch_help(m_context, this); });
    m_helpButton = button;
    return button;
}

void FormWindow::showHelpPicture()
{
    m_helpButton->setIcon(m_context.ImageList1.picture(7));
    m_helpButton->setVisible(true);
}

void FormWindow::beep() const
{
    m_context.beeper->beep();
}
