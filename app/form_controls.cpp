#include "app/form_controls.h"

#include "data/pick_lists.h"

#include <QComboBox>
#include <QPushButton>

QPushButton *makeButton(QWidget *parent, const QString &name, const QString &caption, const QString &tip)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setToolTip(tip);
    button->setAccessibleName(QString(caption).remove(QLatin1Char('&')));
    button->setMinimumHeight(32);
    button->setAutoDefault(true);
    return button;
}

QComboBox *makePickList(QWidget *parent, const QString &name, const QString &prompt)
{
    auto *list = new QComboBox(parent);
    list->setObjectName(name);
    list->setEditable(true);
    list->setInsertPolicy(QComboBox::NoInsert);
    list->setAccessibleName(prompt);
    list->setMinimumContentsLength(24);
    list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    showPrompt(list, prompt);
    return list;
}
