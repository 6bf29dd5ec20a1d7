#include "core/handicap/handicap_store.h"

#include "core/handicap/played_on_text.h"
#include "core/handicap/tenths_text.h"
#include "core/records/text_rules.h"
#include "core/scorebook/database_error.h"
#include "core/scorebook/golfer_match.h"

#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Statement.h>
#include <SQLiteCpp/Transaction.h>

namespace handicap {

namespace {

template<typename Work> auto guarded(Work &&work) -> decltype(work())
{
    try {
        return work();
    } catch (const SQLite::Exception &e) {
        throw databaseErrorFrom(e);
    }
}

std::string boundName(const QString &name)
{
    return text::trimBlanks(name).toStdString();
}

QString textOf(const SQLite::Column &column)
{
    return QString::fromUtf8(column.getText());
}

} // namespace

std::vector<RatedTee> readCourseRatings(SQLite::Database &scorebook, const QString &course)
{
    return guarded([&] {
        std::vector<RatedTee> ratings;
        if (!scorebook.tableExists("tee_ratings")) {
            return ratings;
        }
        SQLite::Statement query(scorebook,
                                "SELECT tee, course_rating, slope_rating FROM tee_ratings"
                                " WHERE trim(course_name, ' ') = ?");
        query.bind(1, boundName(course));
        while (query.executeStep()) {
            // A stored 71.3 comes back as the text "71.3": read as written, never as a binary fraction.
            const auto tenths = tenthsFromText(textOf(query.getColumn(1)));
            if (tenths) {
                ratings.push_back({text::trimBlanks(course), textOf(query.getColumn(0)).trimmed().toLower(), *tenths,
                                   query.getColumn(2).getInt()});
            }
        }
        return ratings;
    });
}

void storeCourseRatings(SQLite::Database &scorebook, const QString &course, const std::vector<RatedTee> &ratings)
{
    guarded([&] {
        SQLite::Transaction transaction(scorebook);
        SQLite::Statement removal(scorebook, "DELETE FROM tee_ratings WHERE trim(course_name, ' ') = ?");
        removal.bind(1, boundName(course));
        removal.exec();
        SQLite::Statement addition(scorebook,
                                   "INSERT INTO tee_ratings (course_name, tee, course_rating, slope_rating)"
                                   " VALUES (?, ?, ?, ?)");
        for (const RatedTee &rating : ratings) {
            addition.reset();
            addition.bind(1, course.toStdString());
            addition.bind(2, rating.tee.toStdString());
            addition.bind(3, rating.courseRatingTenths / 10.0);
            addition.bind(4, rating.slope);
            addition.exec();
        }
        transaction.commit();
    });
}

void storeRoundDetails(SQLite::Database &scorebook, const std::vector<DetailsOfRound> &details)
{
    guarded([&] {
        SQLite::Transaction transaction(scorebook);
        SQLite::Statement addition(scorebook,
                                   "INSERT OR REPLACE INTO round_details (record_no, tee, played_on, pcc)"
                                   " VALUES (?, ?, ?, ?)");
        for (const auto &[recordNo, round] : details) {
            addition.reset();
            addition.bind(1, static_cast<int64_t>(recordNo));
            addition.bind(2, round.tee.toStdString());
            addition.bind(3, playedOnText(round.playedOn).toStdString());
            addition.bind(4, round.pcc);
            addition.exec();
        }
        transaction.commit();
    });
}

std::vector<UndetailedRound> roundsWithoutDetails(SQLite::Database &scorebook, const QString &golfer)
{
    return guarded([&] {
        std::vector<UndetailedRound> rounds;
        SQLite::Statement query(scorebook,
                                "SELECT r.record_no, r.course_name, r.date FROM rounds r WHERE "
                                    + sameTrimmedGolfer("r.golfer_name")
                                    + " AND NOT EXISTS"
                                      " (SELECT 1 FROM round_details d WHERE d.record_no = r.record_no)"
                                      " ORDER BY r.record_no");
        query.bind(1, boundName(golfer));
        while (query.executeStep()) {
            rounds.push_back({query.getColumn(0).getInt64(), text::trimBlanks(textOf(query.getColumn(1))),
                              textOf(query.getColumn(2))});
        }
        return rounds;
    });
}

} // namespace handicap
