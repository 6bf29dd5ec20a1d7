#pragma once

#include <QString>

// The round record: entries 1 to 66 hold the named fields of a stored round in
// this order (entry 0 is unused): course, golfer, date; strokes of holes 1-9,
// front nine, holes 10-18, back nine, eighteen; the same for par; then putts.
namespace round_layout {

constexpr int Entries = 67;
constexpr int Course = 1;
constexpr int Golfer = 2;
constexpr int Date = 3;

enum Series
{
    Strokes = 0,
    Par = 1,
    Putts = 2
};

// Entry of hole 1..18 of a series.
constexpr int holeEntry(Series series, int hole)
{
    return 4 + 21 * series + (hole <= 9 ? hole - 1 : hole);
}
constexpr int frontTotalEntry(Series series)
{
    return 13 + 21 * series;
}
constexpr int backTotalEntry(Series series)
{
    return 23 + 21 * series;
}
constexpr int roundTotalEntry(Series series)
{
    return 24 + 21 * series;
}

// The field of "rounds" an entry is stored in.
QString fieldName(int entry);

} // namespace round_layout
