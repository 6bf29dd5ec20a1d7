#include "ui/pick_lists.h"

#include <QComboBox>

namespace {

QString courseListWindow(PickLists::CourseList which)
{
    static const char *const names[] = {"frmCourse", "frmStats", "frmNewCourse", "frmScoreround"};
    return QString::fromLatin1(names[which]);
}

QString golferListWindow(PickLists::GolferList which)
{
    static const char *const names[] = {"frmGolfer", "frmScoreround", "frmStats"};
    return QString::fromLatin1(names[which]);
}

} // namespace

void PickLists::registerCourseList(CourseList which, QComboBox *list)
{
    m_courseLists[which] = list;
}

void PickLists::registerGolferList(GolferList which, QComboBox *list)
{
    m_golferLists[which] = list;
}

void PickLists::setWindowLoader(std::function<void(const QString &)> loader)
{
    m_windowLoader = std::move(loader);
}

QComboBox *PickLists::courseList(CourseList which)
{
    if (!m_courseLists[which] && m_windowLoader) {
        m_windowLoader(courseListWindow(which));
    }
    return m_courseLists[which];
}

QComboBox *PickLists::golferList(GolferList which)
{
    if (!m_golferLists[which] && m_windowLoader) {
        m_windowLoader(golferListWindow(which));
    }
    return m_golferLists[which];
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
