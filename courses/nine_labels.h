#pragma once

class frmNewCourse;

// Which nine the course editor shows: the hole labels, the grid's frame, the
// nine switch's caption and what a screen reader says each box holds.
void front_nine_labels(frmNewCourse &editor);
void back_nine_labels(frmNewCourse &editor);
