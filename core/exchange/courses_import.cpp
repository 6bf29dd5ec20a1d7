#include "core/exchange/courses_import.h"

#include "core/exchange/course_ratings.h"
#include "core/exchange/row_query.h"
#include "core/exchange/stored_value.h"

namespace exchange {

namespace {

std::vector<Column> courseColumns(SQLite::Database &scorebook, const std::vector<std::string> &tees)
{
    std::vector<Column> columns = storedColumns(scorebook, "courseinfo");
    for (const std::string &tee : tees) {
        columns.push_back({courseRatingColumn(tee), true});
        columns.push_back({slopeRatingColumn(tee), true});
    }
    return columns;
}

} // namespace

CoursesImport::CoursesImport(SQLite::Database &scorebook, std::vector<std::string> tees)
    : KeyedImport(courseColumns(scorebook, tees), columnIndex(storedColumns(scorebook, "courseinfo"), "course_name"),
                  true)
    , scorebook_(scorebook)
    , tees_(std::move(tees))
    , storedCount_(int(columns().size() - 2 * tees_.size()))
    , nameColumn_(columnIndex(columns(), "course_name"))
    , insertCourse_(scorebook, insertSql("courseinfo", columns(), storedCount_))
{
    const CourseRatings ratings(scorebook);
    RowQuery stored(scorebook.getHandle(), "SELECT * FROM courseinfo");
    while (stored.step()) {
        Values values = storedValues(stored.row(), storedCount_);
        const auto &name = values[nameColumn_];
        for (const std::string &tee : tees_) {
            const TeeRating *rating = name ? ratings.find(trimBlanks(*name), tee) : nullptr;
            values.push_back(rating ? std::optional(rating->courseRating) : std::nullopt);
            values.push_back(rating ? std::optional(rating->slopeRating) : std::nullopt);
        }
        remember(std::move(values));
    }
}

std::optional<CsvProblem> CoursesImport::check(const std::vector<CsvField> &record) const
{
    for (int column = storedCount_; column < int(columns().size()); column += 2) {
        const CsvField &rating = record[column];
        const CsvField &slope = record[column + 1];
        if (rating.isAbsent() != slope.isAbsent()) {
            const int missing = rating.isAbsent() ? column : column + 1;
            return CsvProblem {record[missing].line, missing + 1,
                               QStringLiteral("a tee needs both its course rating and its slope rating")};
        }
    }
    return std::nullopt;
}

void CoursesImport::store(const std::vector<CsvField> &record)
{
    for (int column = 0; column < storedCount_; ++column) {
        bindField(insertCourse_, column + 1, record[column], columns()[column].number);
    }
    insertCourse_.exec();
    insertCourse_.reset();
    // Ratings are found by the trimmed name; a course without a name has none.
    const CsvField &name = record[nameColumn_];
    if (name.isAbsent()) {
        return;
    }
    const std::string course = trimBlanks(name.text);
    for (std::size_t tee = 0; tee < tees_.size(); ++tee) {
        const int column = storedCount_ + 2 * int(tee);
        if (record[column].isAbsent()) {
            continue;
        }
        if (!insertRating_) {
            ensureHandicapTables(scorebook_);
            insertRating_ = std::make_unique<SQLite::Statement>(scorebook_,
                                                                "INSERT OR IGNORE INTO tee_ratings (course_name, tee, "
                                                                "course_rating, slope_rating) VALUES (?, ?, ?, ?)");
        }
        insertRating_->bind(1, course);
        insertRating_->bind(2, tees_[tee]);
        bindField(*insertRating_, 3, record[column], true);
        bindField(*insertRating_, 4, record[column + 1], true);
        insertRating_->exec();
        insertRating_->reset();
    }
}

} // namespace exchange
