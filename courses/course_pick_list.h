#pragma once

class QComboBox;
class QString;
class QWidget;

// A course pick-list as every course window has it: its text can be typed or
// show the prompt, typed text never becomes an entry, and a screen reader
// announces it by its prompt. Only the list loaders put names into it.
QComboBox *makeCoursePickList(QWidget *parent, const QString &name);
