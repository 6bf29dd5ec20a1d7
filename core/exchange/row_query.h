#pragma once

#include <QtGlobal>

#include <memory>
#include <sqlite3.h>
#include <string>

namespace exchange {

// A query whose rows are read column by column straight from SQLite: exporting
// a million rounds reads seventy million values, too many for a wrapper object each.
class RowQuery
{
public:
    // Throws SQLite::Exception when the SQL is refused.
    RowQuery(sqlite3 *connection, const std::string &sql);

    // Moves to the next row; false after the last. Throws SQLite::Exception.
    bool step();
    // Binds a text parameter (from 1), copied.
    void bindText(int parameter, const std::string &text)
    {
        sqlite3_bind_text(statement_.get(), parameter, text.data(), int(text.size()), SQLITE_TRANSIENT);
    }
    void bindInteger(int parameter, qint64 value) { sqlite3_bind_int64(statement_.get(), parameter, value); }
    void reset() { sqlite3_reset(statement_.get()); }
    sqlite3_stmt *row() const { return statement_.get(); }

private:
    struct Finalize
    {
        void operator()(sqlite3_stmt *statement) const { sqlite3_finalize(statement); }
    };

    sqlite3 *connection_;
    std::unique_ptr<sqlite3_stmt, Finalize> statement_;
};

} // namespace exchange
