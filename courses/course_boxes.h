#pragma once

class frmNewCourse;
struct SharedState;

// Moves one nine between the course editor's grid and course_record. Writing a
// box runs its change handler, so the totals follow every restore.
void restore_front_course(frmNewCourse &editor, const SharedState &state);
void restore_back_course(frmNewCourse &editor, const SharedState &state);
void store_front_course(const frmNewCourse &editor, SharedState &state);
// Also sets the back nine's handicap total (h19) to "0": nothing computes it.
void store_back_course(const frmNewCourse &editor, SharedState &state);

// Every box of the editor's grid back to "0".
void zero_course_boxes(frmNewCourse &editor);
