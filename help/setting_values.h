#pragma once

#include <QString>

// How the values of Help.INI's settings are read. Text that is no number, or a number out of
// range, gives a value the window can live with instead of an error.
namespace settings {

constexpr int kDefaultListWidth = 225;
constexpr int kWidestList = 2000; // pixels; wider would push the document off any screen
constexpr int kMostEntries = 32767; // the largest 16-bit count

int entryCount(const QString &text);
int listWidth(const QString &text);
// "True"/"False" in any letter case, or a number where non-zero means true; anything else is false.
bool isHeading(const QString &text);

} // namespace settings
