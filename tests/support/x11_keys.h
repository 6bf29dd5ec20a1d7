#pragma once

#include <QCoreApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QWidget>
#include <QWindow>

#include <memory>

// Key events as a real keyboard under X11 delivers them: with the text the
// server sends (Delete carries "\x7f", Enter "\r"), and in bursts when the
// user types faster than the program takes them.
namespace x11_keys {

inline QKeyEvent *event(QEvent::Type type, QChar typed)
{
    switch (typed.unicode()) {
    case '\r':
        return new QKeyEvent(type, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    case 0x7f:
        return new QKeyEvent(type, Qt::Key_Delete, Qt::NoModifier, QStringLiteral("\x7f"));
    case '\b':
        return new QKeyEvent(type, Qt::Key_Backspace, Qt::NoModifier, QStringLiteral("\b"));
    default:
        return new QKeyEvent(type, QKeySequence(typed.toUpper())[0].key(), Qt::NoModifier, QString(typed));
    }
}

// Delivers a burst of keys that arrived together, one after the other to
// whatever has the focus, with no turn of the event loop in between: the
// program sees them only after it has done what the earlier ones asked.
inline void burst(QWidget *window, const QString &keys)
{
    QWindow *handle = window->window()->windowHandle();
    for (const QChar typed : keys) {
        std::unique_ptr<QKeyEvent> press(event(QEvent::KeyPress, typed));
        std::unique_ptr<QKeyEvent> release(event(QEvent::KeyRelease, typed));
        QCoreApplication::sendEvent(handle, press.get());
        QCoreApplication::sendEvent(handle, release.get());
    }
}

// Sends one key straight to a widget, with its X11 text.
inline void press(QWidget *widget, QChar typed)
{
    std::unique_ptr<QKeyEvent> key(event(QEvent::KeyPress, typed));
    QCoreApplication::sendEvent(widget, key.get());
}

} // namespace x11_keys
