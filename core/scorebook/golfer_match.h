#pragma once

#include <string>

// The condition that picks one golfer's rounds: the stored name with the blanks
// around it removed equals the name bound as parameter 1, exactly. It is written
// so that the index of golfers' names in any letter case finds the rounds of a
// club's scorebook at once; the second, exact comparison decides.
inline std::string sameTrimmedGolfer(const std::string &column)
{
    const std::string trimmed = "trim(" + column + ", ' ')";
    return trimmed + " = ?1 COLLATE NOCASE AND " + trimmed + " = ?1";
}
