#include "bench/bench_timing.h"
#include "bench/scorebook_generator.h"
#include "core/rules/statistics.h"
#include "core/scorebook/datgolf.h"
#include "core/scorebook/round_reading.h"

#include <QApplication>
#include <QTemporaryDir>

#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Statement.h>

#include <functional>
#include <string>

// The statistics of one golfer on one course, read from a large scorebook,
// against the same figures computed by one SQL aggregate inside SQLite.

namespace {

std::string hole(const char *prefix, int number)
{
    return prefix + std::to_string(number);
}

// SUM over the round of one term per hole, each hole behind its nine's gate.
std::string holeSum(const std::function<std::string(int hole, const std::string &gate)> &term, bool putts)
{
    std::string sum;
    for (int h = 1; h <= 18; ++h) {
        const std::string gate
            = putts ? (h <= 9 ? "f9 > 0 AND putf9 > 0" : "putb9 > 0") : (h <= 9 ? "f9 > 0" : "b9 > 0");
        sum += (sum.empty() ? "" : " + ") + term(h, gate);
    }
    return "SUM(" + sum + ")";
}

std::string aggregateSql()
{
    std::vector<std::string> columns;
    for (bool putts : {false, true}) {
        const std::string played = putts ? " AND h%1 > 0 AND put%1 > 0" : " AND h%1 > 0";
        const auto counted = [&](int h, const std::string &gate, const std::string &condition) {
            std::string text = "(" + gate + played + " AND " + condition + ")";
            for (std::string::size_type at; (at = text.find("%1")) != std::string::npos;) {
                text.replace(at, 2, std::to_string(h));
            }
            return text;
        };
        for (int par = 3; par <= 5; ++par) {
            columns.push_back(holeSum(
                [&](int h, const std::string &gate) {
                    return counted(h, gate, hole("p", h) + " = " + std::to_string(par));
                },
                putts));
            columns.push_back(holeSum(
                [&](int h, const std::string &gate) {
                    return "CASE WHEN " + counted(h, gate, hole("p", h) + " = " + std::to_string(par)) + " THEN "
                        + hole(putts ? "put" : "h", h) + " ELSE 0 END";
                },
                putts));
        }
        for (int difference = -3; difference <= 3; ++difference) {
            const std::string op = difference == -3 ? " <= " : difference == 3 ? " >= " : " = ";
            columns.push_back(holeSum(
                [&](int h, const std::string &gate) {
                    return counted(h, gate, hole("h", h) + " - " + hole("p", h) + op + std::to_string(difference));
                },
                putts));
        }
    }
    columns.push_back(
        holeSum([](int h, const std::string &gate) { return "(" + gate + " AND " + hole("h", h) + " = 1)"; }, false));
    for (const char *nine : {"f9", "b9", "total", "putf9", "putb9", "puttot"}) {
        columns.push_back(std::string("SUM(") + nine + " > 0)");
        columns.push_back(std::string("SUM(CASE WHEN ") + nine + " > 0 THEN " + nine + " ELSE 0 END)");
    }
    std::string sql = "SELECT ";
    for (std::size_t c = 0; c < columns.size(); ++c) {
        sql += (c ? ", " : "") + columns[c];
    }
    return sql + " FROM rounds WHERE trim(golfer_name, ' ') = ? AND trim(course_name, ' ') = ?";
}

// The accumulators as the aggregate returns them, in the order aggregateSql lists them.
Stats sqlFigures(SQLite::Database &db, const std::string &sql, const char *golfer, const char *course)
{
    SQLite::Statement query(db, sql);
    query.bind(1, golfer);
    query.bind(2, course);
    query.executeStep();
    Stats state;
    int column = 0;
    const auto next = [&] { return query.getColumn(column++).getDouble(); };
    for (auto [count, total, recap] : {std::tuple {&state.stroke_count, &state.stroke_total, &state.stroke_recap},
                                       std::tuple {&state.putt_count, &state.putt_total, &state.putt_recap}}) {
        for (int par = 3; par <= 5; ++par) {
            (*count)[par] = next();
            (*total)[par] = next();
        }
        for (int &counter : *recap) {
            counter = int(next());
        }
    }
    state.holes_in_one = int(next());
    for (int slot = 6; slot <= 8; ++slot) {
        state.stroke_count[slot] = next();
        state.stroke_total[slot] = next();
    }
    for (int slot = 6; slot <= 8; ++slot) {
        state.putt_count[slot] = next();
        state.putt_total[slot] = next();
    }
    return state;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QTemporaryDir dir;
    // Ten golfers on ten courses: about 1,000 of the rounds are one golfer's on one course.
    const ScorebookSize size {10, 10, 100000};
    const QString path = dir.filePath(QStringLiteral("teedat2000.mdb"));
    if (const QString failure = generateScorebook(path, size); !failure.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(failure));
        return 1;
    }
    const char *golfer = "Golfer 3";
    const char *course = "Course 7";

    DataControl datgolf;
    datgolf.setDatabaseName(path);
    datgolf.setRecordSource(QStringLiteral("rounds"));

    SQLite::Database db(path.toStdString(), SQLite::OPEN_READONLY);
    const std::string sql = aggregateSql();

    Stats stats;
    const auto compute = [&] {
        datgolf.refresh();
        stats = computeStats(readRoundsPlayedBy(datgolf, QString::fromLatin1(golfer), QString::fromLatin1(course)));
    };
    Stats bySql;
    const auto aggregate = [&] { bySql = sqlFigures(db, sql, golfer, course); };

    compute();
    aggregate();
    std::printf("scorebook: %d courses, %d golfers, %d rounds; %s on %s: %.0f rounds\n", size.courses, size.golfers,
                size.rounds, golfer, course, stats.stroke_count[8]);
    std::printf("figures agree with the SQL aggregate: %s\n", stats == bySql ? "yes" : "NO");

    const double engine = medianSeconds(9, compute);
    const double baseline = medianSeconds(9, aggregate);
    report("computeStats, one golfer/course", engine, "SQL aggregate in SQLite", baseline, 1.5);
    return 0;
}
