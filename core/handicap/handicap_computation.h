#pragma once

#include "core/handicap/handicap_types.h"

#include <QDate>

#include <optional>

namespace handicap {

// Counted rounds needed before there is an index.
constexpr int roundsForIndex = 3;

// The index of one golfer's rounds, round by round, with all of its working.
// With asOf, rounds played after that day are left out; undated rounds stay
// listed as not counted.
HandicapResult computeHandicap(const HandicapInputs &inputs, const std::optional<QDate> &asOf = std::nullopt);

} // namespace handicap
