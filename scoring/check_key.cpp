#include "scoring/check_key.h"

#include "app/seams.h"

#include <QKeyEvent>
#include <QLineEdit>

bool check_key(QWidget *nextControl, const QKeyEvent *key, Beeper &beeper)
{
    switch (key->key()) {
    case Qt::Key_Backspace:
        return false;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (nextControl) {
            nextControl->setFocus(Qt::TabFocusReason);
        }
        return true;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return false;
    default:
        break;
    }
    const QString typed = key->text();
    if (typed.isEmpty()) {
        return false;
    }
    if (typed.size() == 1 && typed[0] >= QLatin1Char('0') && typed[0] <= QLatin1Char('9')) {
        return false;
    }
    beeper.beep();
    return true;
}

EntryBox::EntryBox(QLineEdit *box, NextControl next, Beeper &beeper)
    : QObject(box)
    , m_box(box)
    , m_next(std::move(next))
    , m_beeper(beeper)
{ }

void EntryBox::install(QLineEdit *box, NextControl next, Beeper &beeper)
{
    box->setMaxLength(MaxDigits);
    box->installEventFilter(new EntryBox(box, std::move(next), beeper));
}

bool EntryBox::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_box) {
        return false;
    }
    if (event->type() == QEvent::KeyPress) {
        return check_key(m_next(), static_cast<QKeyEvent *>(event), m_beeper);
    }
    if (event->type() == QEvent::FocusIn) {
        // Queued, so that the mouse press that gave the focus does not undo it.
        QMetaObject::invokeMethod(m_box, &QLineEdit::selectAll, Qt::QueuedConnection);
    }
    return false;
}
