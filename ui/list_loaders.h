#pragma once

class DataControl;
class PickLists;
struct SharedState;

// The only code that puts names into the pick-lists' models, so every list of a
// kind shows the same entries in the same order: list position = course_cache row.
void load_course_lists(const SharedState &state, PickLists &lists);

// Fills the golfer lists from a connection open on "golfers", in table order,
// duplicates kept; leaves the record set past its last record.
void load_golfer_lists(DataControl &golfers, PickLists &lists);
