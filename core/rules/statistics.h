#pragma once

#include "core/records/round.h"

#include <array>
#include <vector>

// One golfer's figures on one course, added up over their rounds. Slots 3, 4
// and 5 hold par-3, par-4 and par-5 holes; 6, 7 and 8 the front nine, the back
// nine and the round. The recaps count results against par from a double
// eagle (three or more under) to a triple bogey or worse.
struct Stats
{
    static constexpr int FirstSlot = 3;
    static constexpr int LastSlot = 8;
    static constexpr int ResultClasses = 7;

    std::array<double, LastSlot + 1> stroke_count {};
    std::array<double, LastSlot + 1> stroke_total {};
    std::array<double, LastSlot + 1> putt_count {};
    std::array<double, LastSlot + 1> putt_total {};
    std::array<int, ResultClasses> stroke_recap {};
    std::array<int, ResultClasses> putt_recap {};
    int holes_in_one = 0;

    bool operator==(const Stats &other) const;
};

// Every value is read by the leading-number rule. A hole left at 0 strokes was
// not played and adds to no hole figure; a nine's holes count only when its
// stored stroke total is above 0 (the front putts also need their own total),
// and a nine or round figure only when it is above 0.
Stats computeStats(const std::vector<Round> &rounds);
