#pragma once

#include "core/handicap/handicap_types.h"

#include <optional>
#include <vector>

namespace handicap {

// The course handicap a golfer plays to from one tee of a course whose pars
// add up to `par`: none without an index or without a rating of that tee.
std::optional<int> teeCourseHandicap(const std::optional<int> &indexTenths, const std::vector<RatedTee> &ratings,
                                     const QString &tee, int par);

// A course handicap as golfers write it: below zero is a plus handicap, "+2".
QString courseHandicapText(int courseHandicap);

} // namespace handicap
