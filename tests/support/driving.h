#pragma once

#include <QAbstractButton>
#include <QComboBox>
#include <QTableWidget>
#include <QtTest>

// Reaching a window's controls by name, as a person uses them.
namespace driving {

template<typename Control = QWidget> Control *child(QWidget *window, const QString &name)
{
    auto *control = window->findChild<Control *>(name);
    if (!control) {
        qFatal("no control %s", qPrintable(name));
    }
    return control;
}

inline void click(QWidget *window, const QString &name)
{
    auto *button = child<QAbstractButton>(window, name);
    QVERIFY2(button->isVisible() && button->isEnabled(), qPrintable(name));
    QTest::mouseClick(button, Qt::LeftButton);
}

// Chooses an entry of a pick-list by its place, or by its text.
inline void choose(QWidget *window, const QString &listName, int index)
{
    auto *list = child<QComboBox>(window, listName);
    list->setCurrentIndex(index);
    Q_EMIT list->activated(index);
}

inline void pick(QWidget *window, const QString &listName, const QString &entry)
{
    const int index = child<QComboBox>(window, listName)->findText(entry);
    QVERIFY2(index >= 0, qPrintable(entry));
    choose(window, listName, index);
}

// The text of a label, box or button.
inline QString text(QWidget *window, const QString &name)
{
    return child(window, name)->property("text").toString();
}

// The texts of a table's row, an empty cell as "".
inline QStringList rowTexts(QTableWidget *table, int row)
{
    QStringList cells;
    for (int column = 0; column < table->columnCount(); ++column) {
        cells.append(table->item(row, column) ? table->item(row, column)->text() : QString());
    }
    return cells;
}

} // namespace driving
