#include "core/exchange/row_query.h"

#include <SQLiteCpp/Exception.h>

namespace exchange {

RowQuery::RowQuery(sqlite3 *connection, const std::string &sql)
    : connection_(connection)
{
    sqlite3_stmt *statement = nullptr;
    const int result = sqlite3_prepare_v2(connection, sql.c_str(), int(sql.size()), &statement, nullptr);
    statement_.reset(statement);
    if (result != SQLITE_OK) {
        throw SQLite::Exception(connection, result);
    }
}

bool RowQuery::step()
{
    const int result = sqlite3_step(statement_.get());
    if (result == SQLITE_ROW) {
        return true;
    }
    if (result != SQLITE_DONE) {
        throw SQLite::Exception(connection_, result);
    }
    return false;
}

} // namespace exchange
