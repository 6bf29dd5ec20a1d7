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

void zero_stats(SharedState &state)
{
    state.stroke_count.fill(0.0);
    state.stroke_total.fill(0.0);
    state.putt_count.fill(0.0);
    state.putt_total.fill(0.0);
    state.stroke_recap.fill(0);
    state.putt_recap.fill(0);
    state.holes_in_one = 0;
}
