#include "ui/list_loaders.h"

#include "core/records/shared_state.h"
#include "core/scorebook/datgolf.h"
#include "ui/pick_lists.h"

void load_course_lists(const SharedState &state, PickLists &lists)
{
    QStringList names;
    for (int row = 0; row <= state.last_course && row < state.course_cache.size(); ++row) {
        names.append(state.course_cache.at(row).value(1));
    }
    lists.setCourses(names);
}

void load_golfer_lists(DataControl &golfers, PickLists &lists)
{
    QStringList names;
    for (golfers.moveFirst(); !golfers.atEnd(); golfers.moveNext()) {
        names.append(golfers.field(QStringLiteral("golfer_name")));
    }
    lists.setGolfers(names);
}
