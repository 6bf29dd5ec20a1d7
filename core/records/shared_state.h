#pragma once

#include <QList>
#include <QStringList>

#include <array>

// The variables every window of the program shares, under the names the windows
// use for them. The application makes one; each test case makes a fresh one.
struct SharedState
{
    static constexpr int CourseFields = 103;
    static constexpr int RoundFields = 67; // entry 0 unused
    static constexpr int FirstSlot = 3;
    static constexpr int LastSlot = 8;
    static constexpr int ResultClasses = 7;

    // One row per stored course, in table order, in the course-record layout.
    QList<QStringList> course_cache;
    int last_course = -1;
    int course_index = 0;
    int loop_count = 0;

    QStringList course_record;
    QStringList round_record;

    // Statistics accumulators, indexed by slot 3..8 (entries 0..2 unused).
    std::array<double, LastSlot + 1> stroke_count {};
    std::array<double, LastSlot + 1> stroke_total {};
    std::array<double, LastSlot + 1> putt_count {};
    std::array<double, LastSlot + 1> putt_total {};
    // Result against par: double eagle (or better) .. triple bogey or more.
    std::array<int, ResultClasses> stroke_recap {};
    std::array<int, ResultClasses> putt_recap {};
    int holes_in_one = 0;
};
