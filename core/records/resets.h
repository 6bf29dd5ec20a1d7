#pragma once

struct SharedState;

// Every entry of the course record (0..102) back to "0".
void reset_course_record(SharedState &state);
// Every entry of the round record (0..66) back to "0".
void reset_round_record(SharedState &state);
