#include "data/list_loaders.h"

#include "data/datgolf.h"
#include "data/pick_lists.h"
#include "data/shared_state.h"

#include <QComboBox>

void load_course_lists(const SharedState &state, PickLists &lists)
{
    // Each list is looked up again at every step: building a list's window runs
    // its load handler, which may itself refill every list (nested calls).
    for (int which = 0; which < PickLists::CourseListCount; ++which) {
        if (QComboBox *list = lists.courseList(PickLists::CourseList(which))) {
            list->clear();
        }
    }
    for (int row = 0; row <= state.last_course && row < state.course_cache.size(); ++row) {
        for (int which = 0; which < PickLists::CourseListCount; ++which) {
            if (QComboBox *list = lists.courseList(PickLists::CourseList(which))) {
                list->addItem(state.course_cache.at(row).value(1));
            }
        }
    }
    for (int which = 0; which < PickLists::CourseListCount; ++which) {
        if (QComboBox *list = lists.courseList(PickLists::CourseList(which))) {
            showPrompt(list, PickLists::coursePrompt());
        }
    }
}

void load_golfer_lists(DataControl &golfers, PickLists &lists)
{
    for (int which = 0; which < PickLists::GolferListCount; ++which) {
        if (QComboBox *list = lists.golferList(PickLists::GolferList(which))) {
            list->clear();
        }
    }
    for (golfers.moveFirst(); !golfers.atEnd(); golfers.moveNext()) {
        const QString name = golfers.field(QStringLiteral("golfer_name"));
        for (int which = 0; which < PickLists::GolferListCount; ++which) {
            if (QComboBox *list = lists.golferList(PickLists::GolferList(which))) {
                list->addItem(name);
            }
        }
    }
    for (int which = 0; which < PickLists::GolferListCount; ++which) {
        if (QComboBox *list = lists.golferList(PickLists::GolferList(which))) {
            showPrompt(list, PickLists::golferPrompt(PickLists::GolferList(which)));
        }
    }
}
