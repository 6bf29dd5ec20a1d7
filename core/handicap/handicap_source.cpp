#include "core/handicap/handicap_source.h"

#include "core/handicap/tenths_text.h"
#include "core/records/text_rules.h"
#include "core/scorebook/golfer_match.h"

#include <SQLiteCpp/Statement.h>

#include <algorithm>
#include <cmath>
#include <string>

namespace handicap {

namespace {

QString textOf(const SQLite::Column &column)
{
    return QString::fromUtf8(column.getText());
}

// A hole value by the leading-number rule, its whole part; bounded so that
// a pasted run of digits cannot overflow the sums. Stored whole numbers, the
// usual case, skip the text.
int wholeNumber(const SQLite::Column &column)
{
    constexpr qint64 bound = 100000;
    if (column.isInteger()) {
        return int(std::clamp<qint64>(column.getInt64(), -bound, bound));
    }
    return int(std::clamp(std::floor(text::leadingNumber(textOf(column))), double(-bound), double(bound)));
}

std::string holeColumns(const char *prefix, const char *table)
{
    std::string columns;
    for (int hole = 1; hole <= holeCount; ++hole) {
        columns += std::string(", ") + table + "." + prefix + std::to_string(hole);
    }
    return columns;
}

HoleValues readHoles(SQLite::Statement &query, int firstColumn)
{
    HoleValues values {};
    for (int hole = 0; hole < holeCount; ++hole) {
        values[hole] = wholeNumber(query.getColumn(firstColumn + hole));
    }
    return values;
}

bool hasTable(SQLite::Database &scorebook, const char *table)
{
    SQLite::Statement query(scorebook, "SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = ?");
    query.bind(1, table);
    return query.executeStep();
}

std::string trimmedName(const QString &name)
{
    return text::trimBlanks(name).toStdString();
}

std::vector<Round> readRounds(SQLite::Database &scorebook, const QString &golfer)
{
    const bool withDetails = hasTable(scorebook, "round_details");
    const std::string sql = "SELECT r.record_no, r.course_name" + holeColumns("h", "r") + holeColumns("p", "r")
        + (withDetails ? ", d.record_no, d.tee, d.played_on, d.pcc FROM rounds r"
                         " LEFT JOIN round_details d ON d.record_no = r.record_no"
                       : " FROM rounds r")
        + " WHERE " + sameTrimmedGolfer("r.golfer_name") + " ORDER BY r.record_no";
    SQLite::Statement query(scorebook, sql);
    query.bind(1, trimmedName(golfer));
    constexpr int strokesColumn = 2;
    constexpr int parsColumn = strokesColumn + holeCount;
    constexpr int detailsColumn = parsColumn + holeCount;
    std::vector<Round> rounds;
    while (query.executeStep()) {
        Round round;
        round.recordNo = query.getColumn(0).getInt64();
        round.golfer = text::trimBlanks(golfer);
        round.course = text::trimBlanks(textOf(query.getColumn(1)));
        round.strokes = readHoles(query, strokesColumn);
        round.pars = readHoles(query, parsColumn);
        if (withDetails && !query.getColumn(detailsColumn).isNull()) {
            round.details = RoundDetails {
                textOf(query.getColumn(detailsColumn + 1)).trimmed().toLower(),
                QDate::fromString(textOf(query.getColumn(detailsColumn + 2)).trimmed(), QStringLiteral("yyyy-MM-dd")),
                query.getColumn(detailsColumn + 3).getInt()};
        }
        rounds.push_back(std::move(round));
    }
    return rounds;
}

std::vector<Course> readCourses(SQLite::Database &scorebook)
{
    SQLite::Statement query(scorebook,
                            "SELECT c.course_name, c.course_size" + holeColumns("h", "c")
                                + " FROM courseinfo c ORDER BY c.rowid");
    std::vector<Course> courses;
    while (query.executeStep()) {
        courses.push_back({text::trimBlanks(textOf(query.getColumn(0))), text::truthValue(textOf(query.getColumn(1))),
                           readHoles(query, 2)});
    }
    return courses;
}

std::vector<RatedTee> readRatedTees(SQLite::Database &scorebook)
{
    std::vector<RatedTee> tees;
    if (!hasTable(scorebook, "tee_ratings")) {
        return tees;
    }
    SQLite::Statement query(scorebook, "SELECT course_name, tee, course_rating, slope_rating FROM tee_ratings");
    while (query.executeStep()) {
        // SQLite writes a stored 71.3 back as the text "71.3", so the rating is read as written.
        const auto rating = tenthsFromText(textOf(query.getColumn(2)));
        if (rating) {
            tees.push_back({text::trimBlanks(textOf(query.getColumn(0))),
                            textOf(query.getColumn(1)).trimmed().toLower(), *rating, query.getColumn(3).getInt()});
        }
    }
    return tees;
}

} // namespace

QString scorebookProblem(SQLite::Database &scorebook)
{
    try {
        for (const char *table : {"courseinfo", "golfers", "rounds"}) {
            if (!hasTable(scorebook, table)) {
                return QStringLiteral("it has no table \"%1\"").arg(QLatin1String(table));
            }
        }
    } catch (const SQLite::Exception &e) {
        return QStringLiteral("it is not a scorebook database (%1)").arg(QString::fromUtf8(e.what()));
    }
    return {};
}

bool hasGolfer(SQLite::Database &scorebook, const QString &golfer)
{
    SQLite::Statement query(scorebook, "SELECT 1 FROM golfers WHERE trim(golfer_name, ' ') = ? LIMIT 1");
    query.bind(1, trimmedName(golfer));
    return query.executeStep();
}

HandicapInputs readHandicapInputs(SQLite::Database &scorebook, const QString &golfer)
{
    return {readRounds(scorebook, golfer), readCourses(scorebook), readRatedTees(scorebook)};
}

} // namespace handicap
