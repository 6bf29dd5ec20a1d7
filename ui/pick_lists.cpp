#include "ui/pick_lists.h"

#include <QComboBox>

void PickLists::setCourses(const QStringList &names)
{
    m_courses.setStringList(names);
}

void PickLists::setGolfers(const QStringList &names)
{
    m_golfersLoaded = true;
    m_golfers.setStringList(names);
}

QString PickLists::golferPrompt(GolferList which)
{
    return which == Roster ? QStringLiteral("Select / Add Golfer") : QStringLiteral("Select Golfer");
}

QString PickLists::coursePrompt()
{
    return QStringLiteral("Select Course");
}

void showPrompt(QComboBox *list, const QString &prompt)
{
    list->setCurrentIndex(-1);
    list->setEditText(prompt);
}
