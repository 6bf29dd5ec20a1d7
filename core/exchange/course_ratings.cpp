#include "core/exchange/course_ratings.h"

#include "core/exchange/row_query.h"
#include "core/exchange/scorebook_tables.h"
#include "core/exchange/stored_value.h"

#include <set>

namespace exchange {

CourseRatings::CourseRatings(SQLite::Database &scorebook)
{
    if (!hasTable(scorebook, "tee_ratings")) {
        return;
    }
    RowQuery query(scorebook.getHandle(),
                   "SELECT trim(course_name, ' '), tee, course_rating, slope_rating FROM tee_ratings"
                   " WHERE trim(course_name, ' ') IN (SELECT trim(course_name, ' ') FROM courseinfo)");
    std::string course;
    std::string tee;
    while (query.step()) {
        TeeRating rating;
        storedText(query.row(), 0, course);
        storedText(query.row(), 1, tee);
        storedText(query.row(), 2, rating.courseRating);
        storedText(query.row(), 3, rating.slopeRating);
        ratings_[course][tee] = rating;
    }
}

std::vector<std::string> CourseRatings::tees() const
{
    std::set<std::string> tees;
    for (const auto &course : ratings_) {
        for (const auto &tee : course.second) {
            tees.insert(tee.first);
        }
    }
    return {tees.begin(), tees.end()};
}

const TeeRating *CourseRatings::find(const std::string &trimmedCourse, const std::string &tee) const
{
    const auto course = ratings_.find(trimmedCourse);
    if (course == ratings_.end()) {
        return nullptr;
    }
    const auto rating = course->second.find(tee);
    return rating == course->second.end() ? nullptr : &rating->second;
}

std::string courseRatingColumn(const std::string &tee)
{
    return tee + "_course_rating";
}

std::string slopeRatingColumn(const std::string &tee)
{
    return tee + "_slope_rating";
}

} // namespace exchange
