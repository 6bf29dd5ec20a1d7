#pragma once

#include <QtGlobal>

namespace handicap {

// numerator / denominator rounded to a whole number, halves away from zero.
// The denominator is positive. Decided on integers, so 28.25 is exactly a half.
constexpr qint64 roundedQuotient(qint64 numerator, qint64 denominator)
{
    const qint64 magnitude = (2 * (numerator < 0 ? -numerator : numerator) + denominator) / (2 * denominator);
    return numerator < 0 ? -magnitude : magnitude;
}

} // namespace handicap
