#pragma once

#include "core/exchange/exchange_kind.h"

#include <QString>

#include <SQLiteCpp/Database.h>

#include <memory>
#include <string>
#include <vector>

// The tables of a scorebook as CSV sees them: their columns in stored order
// and whether each holds numbers.
namespace exchange {

struct Column
{
    std::string name;
    bool number = false; // declared INTEGER or REAL: refuses text that is not a number
};

const char *tableOf(Kind kind);

// Throws SQLite::Exception.
std::vector<Column> storedColumns(SQLite::Database &scorebook, const char *table);
bool hasTable(SQLite::Database &scorebook, const char *table);

// The position of the named column; -1 when there is none.
int columnIndex(const std::vector<Column> &columns, const std::string &name);

// INSERT INTO table with the first `count` columns, one parameter each.
std::string insertSql(const char *table, const std::vector<Column> &columns, int count);

// The text without the blanks before and after it, as course names are compared.
std::string trimBlanks(const std::string &text);

struct OpenScorebook
{
    std::unique_ptr<SQLite::Database> database;
    QString problem; // why it cannot be used, in plain words, when there is no database
};

// Opens the file as a scorebook (never creating one) and checks its three tables.
OpenScorebook openScorebook(const QString &path, bool forWriting);

} // namespace exchange
