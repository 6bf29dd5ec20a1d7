#pragma once

#include "core/handicap/handicap_types.h"
#include "core/trends/trend_figures.h"

#include <QHash>
#include <QString>

namespace SQLite {
class Database;
}

namespace trends {

// The figures of every round of a handicap result, or of those on `course`
// (compared exactly, blanks around it removed) when one is given. Totals and
// putts are those of eighteen-hole rounds, putts only when some were entered;
// the index is the one after the round.
std::vector<RoundFigures> roundFigures(const handicap::HandicapResult &result, const QHash<qint64, int> &puttsByRound,
                                       const QString &course = {});

// The golfer's round figures read from the scorebook. Throws SQLite::Exception
// when the scorebook refuses the reading.
std::vector<RoundFigures> readRoundFigures(SQLite::Database &scorebook, const QString &golfer,
                                           const QString &course = {});

} // namespace trends
