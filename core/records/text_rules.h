#pragma once

#include <QString>

// The rules by which every value, held as text on screen, in memory and in the
// scorebook, is read as a number or a yes/no value and written back.
namespace text {

// Blanks, tabs and line feeds are ignored wherever they stand; the longest
// leading decimal number (sign, digits, point, digits) is taken; 0 when none.
double leadingNumber(const QString &value);

// The text without the blanks (spaces) before and after it; tabs stay.
QString trimBlanks(const QString &value);

// Each character raised to its capital, one character for one: "ß" and "ﬁ"
// stay as they are, so two different names never get the same capitals.
QString capitals(const QString &value);

// "True"/"False" in any letter case, or a number where non-zero means true.
bool truthValue(const QString &value);

// Plain decimal text: no decimals for whole values ("84", "-3", "2.5").
QString plainNumber(double value);

// "#0.00": at least one integer digit, two decimals, halves rounded away from zero.
QString averageFormat(double value);

// "##,##0": thousands grouped in the user's locale, no decimals.
QString totalFormat(double value);

} // namespace text
