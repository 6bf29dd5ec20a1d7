#include "core/records/resets.h"

#include "core/records/shared_state.h"

void reset_course_record(SharedState &state)
{
    state.course_record = QStringList(SharedState::CourseFields, QStringLiteral("0"));
}

void reset_round_record(SharedState &state)
{
    state.round_record = QStringList(SharedState::RoundFields, QStringLiteral("0"));
}
