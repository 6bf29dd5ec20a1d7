#pragma once

#include <QString>

// Times the handicap window opened for one golfer of a club-size scorebook
// (a copy of `clubScorebook`, or one generated when it is empty) beside an
// empty window shown. Returns the exit code of the benchmark.
int timeHandicapWindow(const QString &clubScorebook);
