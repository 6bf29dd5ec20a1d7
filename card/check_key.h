#pragma once

#include <QObject>

#include <functional>

class QKeyEvent;
class QLineEdit;
class QWidget;

// The keys of a numeric entry box: digits and Backspace reach the box, Enter
// moves the focus to the next control and is dropped, any other typed key
// beeps and is dropped. Keys that type nothing (Tab, arrows, Delete) pass.
// Returns true when the key is dropped.
using Beep = std::function<void()>;
bool check_key(QWidget *nextControl, const QKeyEvent *key, const Beep &beep);

// Gives a box the behaviour of every numeric entry box of the cards: its whole
// text selected when it takes the focus (so typing replaces it), keys through
// check_key, and at most MaxDigits characters so totals stay exact.
class EntryBox : public QObject
{
    Q_OBJECT

public:
    static constexpr int MaxDigits = 9;
    using NextControl = std::function<QWidget *()>;

    static void install(QLineEdit *box, NextControl next, Beep beep);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    EntryBox(QLineEdit *box, NextControl next, Beep beep);

    QLineEdit *m_box;
    NextControl m_next;
    Beep m_beep;
    bool m_selectOnRelease = false;
};
