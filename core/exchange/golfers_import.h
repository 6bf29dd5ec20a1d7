#pragma once

#include "core/exchange/keyed_import.h"

#include <SQLiteCpp/Statement.h>

namespace exchange {

// Golfers, found by their exact name. Names are not unique in a scorebook, so
// a name met twice in the file is stored twice when the scorebook lacks it.
class GolfersImport : public KeyedImport
{
public:
    explicit GolfersImport(SQLite::Database &scorebook); // throws SQLite::Exception

    Kind kind() const override { return Kind::Golfers; }
    std::optional<CsvProblem> check(const std::vector<CsvField> &) const override { return std::nullopt; }
    void store(const std::vector<CsvField> &record) override;

private:
    SQLite::Statement insert_;
};

} // namespace exchange
