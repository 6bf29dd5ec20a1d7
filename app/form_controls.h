#pragma once

#include <QString>

class QComboBox;
class QPushButton;
class QWidget;

// The controls every window makes the same way.

// A button with its name, caption (with its & mnemonic) and tooltip. Enter
// presses it when it has the focus, so the Enter flow of the entry boxes goes on.
QPushButton *makeButton(QWidget *parent, const QString &name, const QString &caption, const QString &tip = {});

// A pick-list: its text can be typed or show the prompt, typed text never
// becomes an entry, and a screen reader announces it by its prompt. Only the
// list loaders put names into it.
QComboBox *makePickList(QWidget *parent, const QString &name, const QString &prompt);
