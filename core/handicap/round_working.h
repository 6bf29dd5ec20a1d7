#pragma once

#include "core/handicap/handicap_types.h"

#include <optional>

// The figures of one round: course handicap, hole maxima, adjusted gross and
// differential. Indexes and ratings in tenths.
namespace handicap {

// round(index x slope / 113 + (course rating - par)), halves away from zero.
int courseHandicap(int indexTenths, int courseRatingTenths, int slope, int par);

// Net double bogey per hole with a course handicap, par + 5 without one.
HoleValues holeMaxima(const std::optional<int> &courseHandicap, const HoleValues &pars, const HoleValues &strokeIndex);

int adjustedGross(const HoleValues &strokes, const HoleValues &maxima);

// round1((113 / slope) x (adjusted gross - course rating - pcc)), in tenths.
int differentialTenths(int adjustedGross, int courseRatingTenths, int slope, int pcc);

int sum(const HoleValues &values);

} // namespace handicap
