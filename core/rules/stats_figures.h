#pragma once

#include "core/rules/statistics.h"

#include <QString>

#include <array>

// The statistics as text, the same on screen and on paper: averages "#0.00",
// totals "##,##0", and what shows where nothing was counted.
struct StatsFigures
{
    std::array<QString, 3> parAverage; // par 3, 4 and 5 holes
    std::array<QString, 3> parTotal;
    std::array<QString, 3> roundAverage; // front nine, back nine, round
};

StatsFigures strokeFigures(const Stats &stats);
// A par type without putts shows "0" (par 5, or par 3 and 4 when neither has
// putts), else "N/A".
StatsFigures puttFigures(const Stats &stats);
