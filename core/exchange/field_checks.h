#pragma once

#include "core/exchange/csv_reader.h"

#include <QString>

#include <string_view>

// What a field must be to go into its column of the scorebook.
namespace exchange {

// Names and every other text are refused beyond this many characters: far
// more than a golfer, course or tee name needs, and a pasted page is caught.
constexpr int maxTextCharacters = 200;

// Optional sign, digits with an optional fraction, optional exponent: the
// forms a number column's values take when written out.
bool isNumberText(std::string_view text);

// A whole number SQLite keeps as an integer: optional minus, 1 to 18 digits.
bool isPlainInteger(std::string_view text);

// The number of characters of UTF-8 text, or -1 when it is not valid UTF-8.
qsizetype utf8Characters(std::string_view text);

// Why the field cannot be stored in a number or text column; empty when it can.
// An absent or empty field fits either.
QString fieldProblem(const CsvField &field, bool numberColumn);

} // namespace exchange
