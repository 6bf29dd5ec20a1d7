#pragma once

#include <QStringList>

class DataControl;

// Storing the course of a course record (layout of course_layout) in
// "courseinfo", each write all or nothing. The connection must be open on
// "courseinfo"; refusals throw DatabaseError.
namespace course_saving {

constexpr int AddMode = 1;
constexpr int UpdateMode = 2;

// Adds the course under the name with the given course_id.
void addCourse(DataControl &courses, const QStringList &courseRecord, const QString &name, bool eighteenHoles,
               int courseId);

// Rewrites the last stored course whose name equals the name (letter case
// ignored); false, with nothing written, when there is none.
bool updateCourse(DataControl &courses, const QStringList &courseRecord, const QString &name, bool eighteenHoles);

} // namespace course_saving

// Fields b1 .. h19 of the record being added or edited from entries 3..102.
void write_course_fields(DataControl &datgolf, const QStringList &courseRecord);
