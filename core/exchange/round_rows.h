#pragma once

#include "core/exchange/scorebook_tables.h"

#include <SQLiteCpp/Database.h>

#include <string>
#include <vector>

// A round as CSV carries it: every stored column of `rounds`, then the tee,
// the day played and the playing conditions from the round's details.
namespace exchange {

constexpr int roundDetailCount = 3;

// Throws SQLite::Exception.
std::vector<Column> roundColumns(SQLite::Database &scorebook);

// The rounds with their details (no value where a round has none), in record
// number order; `filter` is appended, e.g. " WHERE r.record_no = ?".
std::string roundRowsSql(SQLite::Database &scorebook, const std::string &filter);

} // namespace exchange
