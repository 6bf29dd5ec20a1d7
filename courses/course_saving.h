#pragma once

#include <QStringList>

class DataControl;
class frmNewCourse;

namespace course_saving {
constexpr int AddMode = 1;
constexpr int UpdateMode = 2;
} // namespace course_saving

// Stores the course of course_record from the editor: AddMode adds it under the
// trimmed name typed in txtNewName with the next course_id; UpdateMode, after the
// user confirms, rewrites the last stored course whose name equals the trimmed
// text of cboName (letter case ignored). The write is all or nothing. After a
// store the cache is rebuilt, every course list refilled, course_record and the
// grid zeroed, and true returned. When nothing was stored (answer No, course not
// found, unknown mode) the editor and course_record are left as they were.
// Throws DatabaseError, with what did or did not happen in its message.
bool save_course(frmNewCourse &editor, DataControl &datgolf, int mode, bool eighteenHoles);

// Fields b1 .. h19 of the record being added or edited from entries 3..102.
void write_course_fields(DataControl &datgolf, const QStringList &courseRecord);
