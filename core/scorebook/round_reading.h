#pragma once

#include "core/records/round.h"

#include <vector>

class DataControl;

// The stored rounds of one golfer on one course, in table order: the names are
// compared with the stored ones with surrounding blanks removed, exactly
// (letter case counts). The connection must be open on "rounds".
std::vector<Round> readRoundsPlayedBy(DataControl &rounds, const QString &golfer, const QString &course);
