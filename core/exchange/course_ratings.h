#pragma once

#include <SQLiteCpp/Database.h>

#include <map>
#include <string>
#include <vector>

namespace exchange {

// A tee's ratings as stored, in their CSV form.
struct TeeRating
{
    std::string courseRating;
    std::string slopeRating;

    bool operator==(const TeeRating &other) const
    {
        return courseRating == other.courseRating && slopeRating == other.slopeRating;
    }
};

// The tee ratings of the scorebook's courses, found the way the handicap finds
// them: by the course name with its blanks trimmed, and the tee as stored.
class CourseRatings
{
public:
    // None when the scorebook has no table of ratings. Ratings of a course that
    // is not in courseinfo are left out. Throws SQLite::Exception.
    explicit CourseRatings(SQLite::Database &scorebook);

    // Every rated tee, in byte order, so that the columns come out the same each time.
    std::vector<std::string> tees() const;
    const TeeRating *find(const std::string &trimmedCourse, const std::string &tee) const;

private:
    std::map<std::string, std::map<std::string, TeeRating>> ratings_;
};

std::string courseRatingColumn(const std::string &tee);
std::string slopeRatingColumn(const std::string &tee);

} // namespace exchange
