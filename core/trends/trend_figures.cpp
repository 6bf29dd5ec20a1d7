#include "core/trends/trend_figures.h"

#include <algorithm>

namespace trends {

std::vector<std::optional<double>> movingAverages(const std::vector<double> &values, int span)
{
    std::vector<std::optional<double>> averages(values.size());
    double window = 0;
    for (size_t at = 0; at < values.size(); ++at) {
        window += values[at];
        if (at >= size_t(span)) {
            window -= values[at - span];
        }
        if (at + 1 >= size_t(span)) {
            averages[at] = window / span;
        }
    }
    return averages;
}

Trends computeTrends(std::vector<RoundFigures> rounds)
{
    const auto undatedFrom = std::stable_partition(rounds.begin(), rounds.end(),
                                                   [](const RoundFigures &round) { return round.playedOn.isValid(); });
    const auto byRecord = [](const RoundFigures &a, const RoundFigures &b) { return a.recordNo < b.recordNo; };
    std::sort(rounds.begin(), undatedFrom, [&byRecord](const RoundFigures &a, const RoundFigures &b) {
        return a.playedOn != b.playedOn ? a.playedOn < b.playedOn : byRecord(a, b);
    });
    std::sort(undatedFrom, rounds.end(), byRecord);

    Trends trends;
    for (auto round = rounds.begin(); round != undatedFrom; ++round) {
        trends.dated.push_back({*round, {}});
    }
    trends.undated.assign(undatedFrom, rounds.end());
    for (int which = 0; which < figureCount; ++which) {
        std::vector<double> values;
        std::vector<Row *> having;
        for (Row &row : trends.dated) {
            if (row.round.values[which]) {
                values.push_back(*row.round.values[which]);
                having.push_back(&row);
            }
        }
        const auto averages = movingAverages(values);
        for (size_t at = 0; at < having.size(); ++at) {
            having[at]->averages[which] = averages[at];
        }
    }
    return trends;
}

std::vector<Point> series(const Trends &trends, Figure which)
{
    std::vector<Point> points;
    for (const Row &row : trends.dated) {
        if (const auto &value = figure(row.round.values, which)) {
            points.push_back({row.round.playedOn, *value, figure(row.averages, which)});
        }
    }
    return points;
}

} // namespace trends
