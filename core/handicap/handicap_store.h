#pragma once

#include "core/handicap/handicap_types.h"

#include <QString>

#include <utility>
#include <vector>

namespace SQLite {
class Database;
}

// Writing and reading the handicap's own tables: the ratings of a course's
// tees and the details of a round. Names are bound as parameters; a course is
// found by its name with blanks around it removed, as the index reads it.
// Each write is all or nothing. Refusals throw DatabaseError.
namespace handicap {

// The rated tees of the course; none when the scorebook has no ratings table.
std::vector<RatedTee> readCourseRatings(SQLite::Database &scorebook, const QString &course);

// Replaces every rating of the course with `ratings`, stored under the course
// name as given (the name as courseinfo holds it).
void storeCourseRatings(SQLite::Database &scorebook, const QString &course, const std::vector<RatedTee> &ratings);

using DetailsOfRound = std::pair<qint64, RoundDetails>; // record_no and its details

// Stores (or replaces) the details of each round.
void storeRoundDetails(SQLite::Database &scorebook, const std::vector<DetailsOfRound> &details);

// A round stored before rounds had details.
struct UndetailedRound
{
    qint64 recordNo = 0;
    QString course;
    QString date; // as typed when the round was saved
};

// The golfer's rounds without details, by record_no.
std::vector<UndetailedRound> roundsWithoutDetails(SQLite::Database &scorebook, const QString &golfer);

} // namespace handicap
