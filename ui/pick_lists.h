#pragma once

#include <QStringListModel>

class QComboBox;

// The names every pick-list of the program shows: one model of the cached
// courses (list position = course_cache row) and one of the stored golfers, in
// table order. Only the two list loaders refill them; every pick-list shows
// its prompt again after a refill.
class PickLists
{
public:
    enum GolferList
    {
        Roster,
        ScoreCardGolfers,
        StatisticsGolfers
    };

    QStringListModel *courses() { return &m_courses; }
    QStringListModel *golfers() { return &m_golfers; }

    void setCourses(const QStringList &names);
    void setGolfers(const QStringList &names);
    // Before the first golfer load the roster's name field stays empty.
    bool golfersLoaded() const { return m_golfersLoaded; }

    static QString golferPrompt(GolferList which);
    static QString coursePrompt();

private:
    QStringListModel m_courses;
    QStringListModel m_golfers;
    bool m_golfersLoaded = false;
};

// Shows a prompt in a pick-list without choosing any entry.
void showPrompt(QComboBox *list, const QString &prompt);
