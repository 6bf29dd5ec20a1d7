#pragma once

#include "core/handicap/handicap_types.h"

#include <QDate>
#include <QTest>

#include <algorithm>
#include <vector>

// Rounds for hand-worked cases: a par-72 course of par 4s whose hole n has
// stroke index n, and a white tee rated 72.0 / 113, so that a round's
// differential is simply its adjusted gross minus 72.
namespace handicap_rounds {

using namespace handicap;

inline const QString courseName = QStringLiteral("Oak Links");

inline HoleValues everyHole(int value)
{
    HoleValues values;
    values.fill(value);
    return values;
}

inline Course oakLinks()
{
    Course course {courseName, true, {}};
    for (int hole = 0; hole < holeCount; ++hole) {
        course.strokeIndex[hole] = hole + 1;
    }
    return course;
}

inline RatedTee tee(const QString &name, int ratingTenths, int slope = 113)
{
    return {courseName, name, ratingTenths, slope};
}

// Fours, with up to two strokes more (or fewer) per hole from hole 1 on, so
// no hole goes past a double bogey and the adjusted gross is the gross.
inline HoleValues strokesForGross(int gross)
{
    HoleValues strokes = everyHole(4);
    int difference = gross - 72;
    for (int &hole : strokes) {
        const int step = std::clamp(difference, -2, 2);
        hole += step;
        difference -= step;
    }
    return strokes;
}

inline Round round(qint64 recordNo, const HoleValues &strokes, const QDate &playedOn, const QString &teeName = "white",
                   int pcc = 0)
{
    return {recordNo,     QStringLiteral("Anne Lee"),           courseName, strokes,
            everyHole(4), RoundDetails {teeName, playedOn, pcc}};
}

// One round a day from 1 January 2024, record numbers from 1, each gross the
// given number of strokes over 72.
inline std::vector<Round> dailyRounds(const QList<int> &overPar)
{
    std::vector<Round> rounds;
    for (int i = 0; i < overPar.size(); ++i) {
        rounds.push_back(round(i + 1, strokesForGross(72 + overPar[i]), QDate(2024, 1, 1).addDays(i)));
    }
    return rounds;
}

inline HandicapInputs onOakLinks(std::vector<Round> rounds, std::vector<RatedTee> tees = {tee("white", 720)})
{
    return {std::move(rounds), {oakLinks()}, std::move(tees)};
}

} // namespace handicap_rounds

// Failed comparisons of optional figures show both sides.
namespace QTest {
template<> inline char *toString(const std::optional<int> &value)
{
    return qstrdup(value ? QByteArray::number(*value).constData() : "none");
}
} // namespace QTest
