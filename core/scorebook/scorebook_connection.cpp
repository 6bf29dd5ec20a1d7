#include "core/scorebook/scorebook_connection.h"

#include "core/records/text_rules.h"
#include "core/scorebook/busy_wait.h"
#include "core/scorebook/database_error.h"

#include <algorithm>
#include <sqlite3.h>
#include <string>

namespace {

QString fromSqlite(const void *text, int bytes)
{
    return QString::fromUtf8(static_cast<const char *>(text), bytes);
}

int compareIgnoringCase(void *, int leftBytes, const void *left, int rightBytes, const void *right)
{
    return QString::compare(text::capitals(fromSqlite(left, leftBytes)), text::capitals(fromSqlite(right, rightBytes)));
}

void ownerKeyFunction(sqlite3_context *context, int, sqlite3_value **args)
{
    if (sqlite3_value_type(args[0]) == SQLITE_NULL) {
        sqlite3_result_null(context);
        return;
    }
    const auto *raw = reinterpret_cast<const char *>(sqlite3_value_text(args[0]));
    const int size = sqlite3_value_bytes(args[0]);
    // Most names are plain ASCII: trim and raise them without building a QString.
    std::string key(raw, size);
    const bool ascii = std::all_of(key.begin(), key.end(), [](char c) { return (c & 0x80) == 0; });
    if (ascii) {
        const auto first = key.find_first_not_of(' ');
        key = first == std::string::npos ? std::string() : key.substr(first, key.find_last_not_of(' ') - first + 1);
        std::transform(key.begin(), key.end(), key.begin(), [](char c) { return c >= 'a' && c <= 'z' ? c - 32 : c; });
    } else {
        key = roundOwnerKey(QString::fromUtf8(raw, size)).toStdString();
    }
    sqlite3_result_text(context, key.data(), int(key.size()), SQLITE_TRANSIENT);
}

} // namespace

QString roundOwnerKey(const QString &name)
{
    return text::capitals(text::trimBlanks(name));
}

std::unique_ptr<SQLite::Database> openScorebookConnection(const QString &path)
{
    try {
        auto db = std::make_unique<SQLite::Database>(path.toStdString(), SQLite::OPEN_READWRITE);
        sqlite3 *handle = db->getHandle();
        busy_wait::install(handle);
        db->exec("PRAGMA synchronous = FULL");
        sqlite3_create_collation(handle, "NAMECASE", SQLITE_UTF8, nullptr, compareIgnoringCase);
        sqlite3_create_function(handle, "owner_key", 1, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr, ownerKeyFunction,
                                nullptr, nullptr);
        return db;
    } catch (const SQLite::Exception &e) {
        throw databaseErrorFrom(e);
    }
}
