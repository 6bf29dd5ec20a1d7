#pragma once

#include <QDate>
#include <QString>

#include <array>
#include <optional>
#include <vector>

// How a golfer's game goes over time: per round the total of an eighteen-hole
// round, its putts and the handicap index after it, each with the average of
// the last few rounds that have the figure.
namespace trends {

constexpr int averageSpan = 5;

enum class Figure
{
    Total,
    Putts,
    Index
};
constexpr int figureCount = 3;
using Figures = std::array<std::optional<double>, figureCount>;

inline std::optional<double> &figure(Figures &figures, Figure which)
{
    return figures[int(which)];
}
inline const std::optional<double> &figure(const Figures &figures, Figure which)
{
    return figures[int(which)];
}

struct RoundFigures
{
    qint64 recordNo = 0;
    QString course;
    QDate playedOn; // not valid: the round has no date
    Figures values; // a figure the round does not have is empty
};

struct Row
{
    RoundFigures round;
    Figures averages; // empty until the figure has `averageSpan` values
};

struct Trends
{
    std::vector<Row> dated; // in the order played: by day, then as stored
    std::vector<RoundFigures> undated; // as stored
};

struct Point
{
    QDate date;
    double value = 0;
    std::optional<double> average;
};

// Each value's average with the values before it, from the `span`th value on.
std::vector<std::optional<double>> movingAverages(const std::vector<double> &values, int span = averageSpan);

// Orders the rounds and averages every figure over the dated rounds that have it.
Trends computeTrends(std::vector<RoundFigures> rounds);

// One figure over time: a point per dated round that has it.
std::vector<Point> series(const Trends &trends, Figure which);

} // namespace trends
