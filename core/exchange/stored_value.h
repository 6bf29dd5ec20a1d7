#pragma once

#include "core/exchange/csv_reader.h"
#include "core/exchange/csv_writer.h"

#include <SQLiteCpp/Statement.h>

#include <sqlite3.h>
#include <string>

// Values between the scorebook and CSV, exactly as stored: text as its UTF-8,
// whole numbers in decimal, REAL values in the shortest form that reads back
// to the same number (71.3), and no value (NULL) as an absent field.
namespace exchange {

// The text of column `index` of the current row; false when it holds no value.
bool storedText(sqlite3_stmt *row, int index, std::string &text);

void writeStored(CsvWriter &writer, sqlite3_stmt *row, int index);

// Whether the field stands for what the column holds.
bool sameAsStored(const CsvField &field, sqlite3_stmt *row, int index, std::string &scratch);

// Binds what the field stands for: NULL when absent, a whole number of a
// number column as an integer, anything else as text for the column's type to
// convert the way it converts what the windows store.
void bindField(SQLite::Statement &statement, int parameter, const CsvField &field, bool numberColumn);

} // namespace exchange
