#pragma once

#include "core/exchange/keyed_import.h"

#include <SQLiteCpp/Statement.h>

namespace exchange {

// Courses, found by their name with its blanks trimmed, with the ratings of the
// tees the file has columns for. A new course's ratings are added beside it;
// a rating the scorebook already holds for that name and tee is kept.
class CoursesImport : public KeyedImport
{
public:
    // Throws SQLite::Exception.
    CoursesImport(SQLite::Database &scorebook, std::vector<std::string> tees);

    Kind kind() const override { return Kind::Courses; }
    std::optional<CsvProblem> check(const std::vector<CsvField> &record) const override;
    void store(const std::vector<CsvField> &record) override;

private:
    SQLite::Database &scorebook_;
    std::vector<std::string> tees_;
    int storedCount_;
    int nameColumn_;
    SQLite::Statement insertCourse_;
    std::unique_ptr<SQLite::Statement> insertRating_;
};

} // namespace exchange
