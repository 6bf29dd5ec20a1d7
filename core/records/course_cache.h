#pragma once

class DataControl;
struct SharedState;

// Copies every course from the current record of a connection open on
// "courseinfo" to its end into course_cache, one row each, in layout order.
// Neither clears rows nor sets last_course: callers do.
void load_course_cache(DataControl &courses, SharedState &state);

// After a course is saved: empties the cache, re-reads the whole table and
// sets last_course from the record count.
void reload_course_cache(DataControl &courses, SharedState &state);
