#include "core/handicap/round_working.h"

#include "core/handicap/exact_rounding.h"

#include <algorithm>
#include <cstdlib>
#include <numeric>

namespace handicap {

namespace {

constexpr int standardSlope = 113;

int strokesReceived(int courseHandicap, int strokeIndex)
{
    if (courseHandicap >= 0) {
        return courseHandicap / holeCount + (strokeIndex <= courseHandicap % holeCount ? 1 : 0);
    }
    return strokeIndex > holeCount - std::abs(courseHandicap) ? -1 : 0;
}

} // namespace

int courseHandicap(int indexTenths, int courseRatingTenths, int slope, int par)
{
    // index x slope / 113 + (rating - par) over the common denominator 10 x 113.
    const qint64 numerator
        = qint64(indexTenths) * slope + qint64(standardSlope) * (courseRatingTenths - qint64(10) * par);
    return int(roundedQuotient(numerator, qint64(10) * standardSlope));
}

HoleValues holeMaxima(const std::optional<int> &courseHandicap, const HoleValues &pars, const HoleValues &strokeIndex)
{
    HoleValues maxima {};
    for (int hole = 0; hole < holeCount; ++hole) {
        maxima[hole]
            = courseHandicap ? pars[hole] + 2 + strokesReceived(*courseHandicap, strokeIndex[hole]) : pars[hole] + 5;
    }
    return maxima;
}

int adjustedGross(const HoleValues &strokes, const HoleValues &maxima)
{
    int total = 0;
    for (int hole = 0; hole < holeCount; ++hole) {
        total += std::min(strokes[hole], maxima[hole]);
    }
    return total;
}

int differentialTenths(int adjustedGross, int courseRatingTenths, int slope, int pcc)
{
    const qint64 overRatingTenths = qint64(10) * adjustedGross - courseRatingTenths - qint64(10) * pcc;
    return int(roundedQuotient(standardSlope * overRatingTenths, slope));
}

int sum(const HoleValues &values)
{
    return std::accumulate(values.begin(), values.end(), 0);
}

} // namespace handicap
