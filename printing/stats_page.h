#pragma once

#include "printing/printed_page.h"

struct Stats;

// A golfer's statistics on a course: the par recap, the averages and totals by
// par type and the averages per nine and round, for strokes and putts side by side.
PrintedPage statsPage(const QString &golfer, const QString &course, const Stats &stats);
