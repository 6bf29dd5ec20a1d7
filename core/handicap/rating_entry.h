#pragma once

#include "core/handicap/handicap_types.h"
#include "core/handicap/tees.h"

#include <QString>

#include <optional>

// A tee's course rating and slope rating as typed into two boxes.
namespace handicap {

constexpr int lowestCourseRatingTenths = 400;
constexpr int highestCourseRatingTenths = 900;
constexpr int lowestSlope = 55;
constexpr int highestSlope = 155;

struct RatingEntry
{
    std::optional<RatedTee> rating; // none when both boxes are empty, or when there is a problem
    QString problem; // what to correct, in plain words; empty when the entry is usable
};

// Both boxes empty: the tee is not rated. Otherwise both must hold a rating
// in range: a course rating with at most one decimal, a whole slope.
RatingEntry readRatingEntry(const QString &course, const Tee &tee, const QString &courseRating, const QString &slope);

} // namespace handicap
