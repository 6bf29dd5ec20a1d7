#include "ui/list_loaders.h"

#include "core/scorebook/datgolf.h"
#include "ui/pick_lists.h"
#include "core/records/shared_state.h"

#include <QComboBox>
#include <QPointer>

#include <array>

namespace {

// Every list of a kind, in loader order. Looking a list up may build its window,
// whose load handler fills the lists itself (a nested call); all of that is
// over before this call clears and fills, so each name is listed once.
template<typename Which, int Count, typename Lookup> std::array<QPointer<QComboBox>, Count> listsInOrder(Lookup lookup)
{
    std::array<QPointer<QComboBox>, Count> lists;
    for (int which = 0; which < Count; ++which) {
        lists[which] = lookup(Which(which));
    }
    for (const auto &list : lists) {
        if (list) {
            list->clear();
        }
    }
    return lists;
}

} // namespace

void load_course_lists(const SharedState &state, PickLists &lists)
{
    const auto courseLists = listsInOrder<PickLists::CourseList, PickLists::CourseListCount>(
        [&lists](PickLists::CourseList which) { return lists.courseList(which); });
    QStringList names;
    for (int row = 0; row <= state.last_course && row < state.course_cache.size(); ++row) {
        names.append(state.course_cache.at(row).value(1));
    }
    for (const auto &list : courseLists) {
        if (list) {
            list->addItems(names);
            showPrompt(list, PickLists::coursePrompt());
        }
    }
}

void load_golfer_lists(DataControl &golfers, PickLists &lists)
{
    const auto golferLists = listsInOrder<PickLists::GolferList, PickLists::GolferListCount>(
        [&lists](PickLists::GolferList which) { return lists.golferList(which); });
    QStringList names;
    for (golfers.moveFirst(); !golfers.atEnd(); golfers.moveNext()) {
        names.append(golfers.field(QStringLiteral("golfer_name")));
    }
    for (int which = 0; which < PickLists::GolferListCount; ++which) {
        if (golferLists[which]) {
            golferLists[which]->addItems(names);
            showPrompt(golferLists[which], PickLists::golferPrompt(PickLists::GolferList(which)));
        }
    }
}
