#pragma once

#include "core/exchange/csv_reader.h"
#include "core/exchange/exchange_kind.h"
#include "core/exchange/scorebook_tables.h"

#include <SQLiteCpp/Database.h>

#include <memory>
#include <optional>
#include <vector>

namespace exchange {

enum class Match
{
    New, // no stored record has its key
    Identical, // a stored record has its key and every value
    Conflicting // stored records have its key, none every value
};

// Where the records of one kind go: what a record must hold, how it compares
// with the records stored before the import, and how it is added.
class ImportTarget
{
public:
    explicit ImportTarget(std::vector<Column> columns)
        : columns_(std::move(columns))
    { }
    virtual ~ImportTarget() = default;

    virtual Kind kind() const = 0;
    const std::vector<Column> &columns() const { return columns_; }

    // What keeps a record whose every field fits its column from being stored.
    virtual std::optional<CsvProblem> check(const std::vector<CsvField> &record) const = 0;
    virtual Match match(const std::vector<CsvField> &record) = 0;
    // Adds a New record; never changes a stored one. Throws SQLite::Exception.
    virtual void store(const std::vector<CsvField> &record) = 0;

protected:
    std::vector<Column> columns_;
};

struct TargetForHeader
{
    std::unique_ptr<ImportTarget> target;
    std::optional<CsvProblem> problem; // the header is not one of the three kinds'
};

// The kind is told by the header's first name; every name must then be the
// one the scorebook has at that place. Throws SQLite::Exception.
TargetForHeader targetForHeader(SQLite::Database &scorebook, const std::vector<CsvField> &header, int count);

// Creates the tables of ratings and round details when the scorebook lacks them.
void ensureHandicapTables(SQLite::Database &scorebook);

} // namespace exchange
