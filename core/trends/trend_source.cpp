#include "core/trends/trend_source.h"

#include "core/handicap/handicap_computation.h"
#include "core/handicap/handicap_source.h"
#include "core/records/text_rules.h"
#include "core/scorebook/golfer_match.h"

#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Statement.h>

#include <cmath>
#include <string>

namespace trends {

namespace {

bool playedEveryHole(const handicap::RoundOutcome &outcome)
{
    using handicap::NotCounted;
    return !outcome.reason
        || (*outcome.reason != NotCounted::NineHoles && *outcome.reason != NotCounted::HolesNotPlayed);
}

int puttValue(const SQLite::Column &column)
{
    return column.isInteger() ? column.getInt()
                              : int(std::floor(text::leadingNumber(QString::fromUtf8(column.getText()))));
}

QHash<qint64, int> readPutts(SQLite::Database &scorebook, const QString &golfer)
{
    std::string sql = "SELECT record_no";
    for (int hole = 1; hole <= handicap::holeCount; ++hole) {
        sql += ", put" + std::to_string(hole);
    }
    sql += " FROM rounds WHERE " + sameTrimmedGolfer("golfer_name");
    SQLite::Statement query(scorebook, sql);
    query.bind(1, text::trimBlanks(golfer).toStdString());
    QHash<qint64, int> putts;
    while (query.executeStep()) {
        int sum = 0;
        for (int hole = 1; hole <= handicap::holeCount; ++hole) {
            sum += std::max(0, puttValue(query.getColumn(hole)));
        }
        putts.insert(query.getColumn(0).getInt64(), sum);
    }
    return putts;
}

} // namespace

std::vector<RoundFigures> roundFigures(const handicap::HandicapResult &result, const QHash<qint64, int> &puttsByRound,
                                       const QString &course)
{
    const QString onlyCourse = text::trimBlanks(course);
    std::vector<RoundFigures> rounds;
    for (const handicap::RoundOutcome &outcome : result.rounds) {
        const handicap::Round &round = outcome.round;
        if (!onlyCourse.isEmpty() && round.course != onlyCourse) {
            continue;
        }
        RoundFigures figures {round.recordNo, round.course, round.details ? round.details->playedOn : QDate(), {}};
        if (playedEveryHole(outcome)) {
            figure(figures.values, Figure::Total) = outcome.gross;
            if (const int putts = puttsByRound.value(round.recordNo); putts > 0) {
                figure(figures.values, Figure::Putts) = putts;
            }
        }
        if (outcome.indexAfter) {
            figure(figures.values, Figure::Index) = *outcome.indexAfter / 10.0;
        }
        rounds.push_back(std::move(figures));
    }
    return rounds;
}

std::vector<RoundFigures> readRoundFigures(SQLite::Database &scorebook, const QString &golfer, const QString &course)
{
    const handicap::HandicapResult result = handicap::computeHandicap(handicap::readHandicapInputs(scorebook, golfer));
    return roundFigures(result, readPutts(scorebook, golfer), course);
}

} // namespace trends
