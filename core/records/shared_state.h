#pragma once

#include <QList>
#include <QStringList>

// The variables every window of the program shares, under the names the windows
// use for them. The application makes one; each test case makes a fresh one.
struct SharedState
{
    static constexpr int CourseFields = 103;
    static constexpr int RoundFields = 67; // entry 0 unused

    // One row per stored course, in table order, in the course-record layout.
    QList<QStringList> course_cache;
    int last_course = -1;
    int course_index = 0;
    int loop_count = 0;

    QStringList course_record;
    QStringList round_record;
};
