#include "core/rules/statistics.h"

#include "core/records/text_rules.h"

#include <algorithm>
#include <cmath>

namespace {

double number(const QString &value)
{
    return text::leadingNumber(value);
}

// Strokes minus par as a whole number: three or more under is a double eagle
// (an ace on a par 5 included), three or more over the last class.
int resultClass(double strokes, double par)
{
    const double difference = std::nearbyint(strokes - par);
    return int(std::clamp(difference, -3.0, 3.0)) + 3;
}

bool isParType(double par)
{
    return par == 3.0 || par == 4.0 || par == 5.0;
}

void addStrokeHoles(Stats &stats, const Round &round, int firstHole)
{
    for (int hole = firstHole; hole < firstHole + 9; ++hole) {
        const double strokes = number(round.strokes.holes[hole - 1]);
        const double par = number(round.pars.holes[hole - 1]);
        if (strokes <= 0.0) {
            continue;
        }
        if (isParType(par)) {
            stats.stroke_count[int(par)] += 1;
            stats.stroke_total[int(par)] += strokes;
        }
        ++stats.stroke_recap[resultClass(strokes, par)];
        if (strokes == 1.0) {
            ++stats.holes_in_one;
        }
    }
}

void addPuttHoles(Stats &stats, const Round &round, int firstHole)
{
    for (int hole = firstHole; hole < firstHole + 9; ++hole) {
        const double strokes = number(round.strokes.holes[hole - 1]);
        const double par = number(round.pars.holes[hole - 1]);
        const double putts = number(round.putts.holes[hole - 1]);
        if (putts <= 0.0 || strokes <= 0.0) {
            continue;
        }
        if (isParType(par)) {
            stats.putt_count[int(par)] += 1;
            stats.putt_total[int(par)] += putts;
        }
        ++stats.putt_recap[resultClass(strokes, par)];
    }
}

void addNineFigure(std::array<double, Stats::LastSlot + 1> &count, std::array<double, Stats::LastSlot + 1> &total,
                   int slot, double value)
{
    if (value > 0.0) {
        count[slot] += 1;
        total[slot] += value;
    }
}

void addRound(Stats &stats, const Round &round)
{
    const double f9 = number(round.strokes.front);
    const double b9 = number(round.strokes.back);
    const double putf9 = number(round.putts.front);
    const double putb9 = number(round.putts.back);
    if (f9 > 0.0) {
        addStrokeHoles(stats, round, 1);
        if (putf9 > 0.0) {
            addPuttHoles(stats, round, 1);
        }
    }
    if (b9 > 0.0) {
        addStrokeHoles(stats, round, 10);
    }
    // The back putts do not wait for a back stroke total, unlike the front ones.
    if (putb9 > 0.0) {
        addPuttHoles(stats, round, 10);
    }
    addNineFigure(stats.stroke_count, stats.stroke_total, 6, f9);
    addNineFigure(stats.stroke_count, stats.stroke_total, 7, b9);
    addNineFigure(stats.stroke_count, stats.stroke_total, 8, number(round.strokes.total));
    addNineFigure(stats.putt_count, stats.putt_total, 6, putf9);
    addNineFigure(stats.putt_count, stats.putt_total, 7, putb9);
    addNineFigure(stats.putt_count, stats.putt_total, 8, number(round.putts.total));
}

} // namespace

bool Stats::operator==(const Stats &other) const
{
    return stroke_count == other.stroke_count && stroke_total == other.stroke_total && putt_count == other.putt_count
        && putt_total == other.putt_total && stroke_recap == other.stroke_recap && putt_recap == other.putt_recap
        && holes_in_one == other.holes_in_one;
}

Stats computeStats(const std::vector<Round> &rounds)
{
    Stats stats;
    for (const Round &round : rounds) {
        addRound(stats, round);
    }
    return stats;
}
