#include "core/records/course_cache.h"

#include "core/records/course_layout.h"
#include "core/records/shared_state.h"
#include "core/scorebook/datgolf.h"

void load_course_cache(DataControl &courses, SharedState &state)
{
    // The cache grows with the table: no course is left out.
    for (state.loop_count = 0; !courses.atEnd(); courses.moveNext(), ++state.loop_count) {
        QStringList row;
        row.reserve(course_layout::Fields);
        for (int index = 0; index < course_layout::Fields; ++index) {
            row.append(courses.field(course_layout::fieldName(index)));
        }
        if (state.loop_count < state.course_cache.size()) {
            state.course_cache[state.loop_count] = row;
        } else {
            state.course_cache.append(row);
        }
    }
}

void reload_course_cache(DataControl &courses, SharedState &state)
{
    state.course_cache.clear();
    courses.refresh();
    courses.moveFirst();
    load_course_cache(courses, state);
    state.last_course = courses.recordCount() - 1;
}
