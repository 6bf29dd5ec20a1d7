#pragma once

#include <QPointer>
#include <QString>

#include <array>
#include <functional>

class QComboBox;

// Every course and golfer pick-list of the program, in the fixed order in which
// the loaders fill them. A window registers its list when it is built; a list
// whose window is not built yet is built on demand through the window loader.
class PickLists
{
public:
    enum CourseList
    {
        CourseViewer,
        Statistics,
        CourseEditor,
        ScoreCard,
        CourseListCount
    };
    enum GolferList
    {
        Roster,
        ScoreCardGolfers,
        StatisticsGolfers,
        GolferListCount
    };

    void registerCourseList(CourseList which, QComboBox *list);
    void registerGolferList(GolferList which, QComboBox *list);

    // Builds the window that owns a list (by its window name) when a loader needs it.
    void setWindowLoader(std::function<void(const QString &windowName)> loader);

    QComboBox *courseList(CourseList which);
    QComboBox *golferList(GolferList which);

    static QString golferPrompt(GolferList which);
    static QString coursePrompt();

private:
    std::array<QPointer<QComboBox>, CourseListCount> m_courseLists;
    std::array<QPointer<QComboBox>, GolferListCount> m_golferLists;
    std::function<void(const QString &)> m_windowLoader;
};

// Shows a prompt in a pick-list without choosing any entry.
void showPrompt(QComboBox *list, const QString &prompt);
