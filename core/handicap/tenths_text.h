#pragma once

#include <QString>

#include <optional>

// Decimal text to and from whole tenths, exactly: "71.3" is 713, never 712.99...
namespace handicap {

// A plain decimal ("71.3", " -0.25 ", "72") in tenths, further decimals rounded
// half away from zero; nothing when the text is not such a number.
std::optional<int> tenthsFromText(const QString &text);

// -12 is "-1.2", 123 is "12.3".
QString tenthsText(int tenths);

// An index as golfers write it: a plus index (below zero) is "+1.2"; zero is "0.0".
QString indexText(int tenths);

} // namespace handicap
