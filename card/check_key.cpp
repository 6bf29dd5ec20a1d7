#include "card/check_key.h"

#include <QKeyEvent>
#include <QLineEdit>

bool check_key(QWidget *nextControl, const QKeyEvent *key, const Beep &beep)
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
    case Qt::Key_Delete:
        // Decided by code: under X11 Delete carries the text "\x7f".
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
    beep();
    return true;
}

EntryBox::EntryBox(QLineEdit *box, NextControl next, Beep beep)
    : QObject(box)
    , m_box(box)
    , m_next(std::move(next))
    , m_beep(std::move(beep))
{ }

void EntryBox::install(QLineEdit *box, NextControl next, Beep beep)
{
    box->setMaxLength(MaxDigits);
    box->installEventFilter(new EntryBox(box, std::move(next), std::move(beep)));
}

bool EntryBox::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_box) {
        return false;
    }
    switch (event->type()) {
    case QEvent::KeyPress:
        return check_key(m_next(), static_cast<QKeyEvent *>(event), m_beep);
    case QEvent::FocusIn:
        // Selected now, before any key typed ahead reaches the box. A click
        // would place the cursor over a selection, so it selects on release.
        m_selectOnRelease = static_cast<QFocusEvent *>(event)->reason() == Qt::MouseFocusReason;
        if (!m_selectOnRelease) {
            m_box->selectAll();
        }
        break;
    case QEvent::MouseButtonRelease:
        if (m_selectOnRelease && !m_box->hasSelectedText()) {
            m_box->selectAll();
        }
        m_selectOnRelease = false;
        break;
    default:
        break;
    }
    return false;
}
