#pragma once

#include <QString>

class QAbstractButton;
class QAbstractItemModel;
class QComboBox;
class QFont;
class QLabel;
class QPushButton;
class QWidget;

// The controls every window makes the same way.

// A button with its name, caption (with its & mnemonic) and tooltip. Enter
// presses it when it has the focus, so the Enter flow of the entry boxes goes on.
QPushButton *makeButton(QWidget *parent, const QString &name, const QString &caption, const QString &tip = {});

// Gives a button made elsewhere (a subclass) the same set-up as makeButton.
void setUpButton(QPushButton *button, const QString &name, const QString &caption, const QString &tip);

// Changes a caption and the accessible name with it, so a screen reader
// announces what the button now says.
void setCaption(QAbstractButton *button, const QString &caption);

// A pick-list over one of the shared name lists: its text can be typed or show
// the prompt, typed text never becomes an entry and is never completed, and a
// screen reader announces it by its prompt.
QComboBox *makePickList(QWidget *parent, const QString &name, const QString &prompt, QAbstractItemModel *names);

// A caption for a control on the green, naming it to a screen reader and
// taking the focus there by its & mnemonic.
QLabel *makeCaption(QWidget *parent, const QString &text, QWidget *buddy, const QString &name = {});

// A title over its shadow, a darker copy one step down and right, as printed
// on the card's cover. The caller names both labels.
QWidget *makeShadowedTitle(QWidget *parent, QLabel *title, QLabel *shadow, const QFont &font);

// The title of a page of figures: large italic serif, light on the green, centred.
void setPageTitle(QLabel *title);
