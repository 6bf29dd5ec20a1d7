#pragma once

#include <QString>

// The course-record layout: one course as 103 text values. 0 course_id,
// 1 course_name, 2 course_size, then 20 slots of five values (blue, white, red
// yards, par, handicap): holes 1-9, front totals "f", holes 10-18, back totals "19".
namespace course_layout {

constexpr int Id = 0;
constexpr int Name = 1;
constexpr int Size = 2;
constexpr int Fields = 103;

enum Value
{
    Blue = 0,
    White = 1,
    Red = 2,
    Par = 3,
    Handicap = 4
};

// Index of hole 1..18's value.
constexpr int holeIndex(int hole, Value value)
{
    return (hole <= 9 ? 3 + 5 * (hole - 1) : 3 + 5 * hole) + value;
}

// Index of a nine's total (front: "f" fields, back: "19" fields).
constexpr int frontTotalIndex(Value value)
{
    return 48 + value;
}
constexpr int backTotalIndex(Value value)
{
    return 98 + value;
}

// Field name of courseinfo for a layout index.
QString fieldName(int index);

} // namespace course_layout
