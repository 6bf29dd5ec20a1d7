#include "courses/course_pick_list.h"

#include "data/pick_lists.h"

#include <QComboBox>

QComboBox *makeCoursePickList(QWidget *parent, const QString &name)
{
    auto *list = new QComboBox(parent);
    list->setObjectName(name);
    list->setEditable(true);
    list->setInsertPolicy(QComboBox::NoInsert);
    list->setAccessibleName(PickLists::coursePrompt());
    list->setMinimumContentsLength(24);
    list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    showPrompt(list, PickLists::coursePrompt());
    return list;
}
