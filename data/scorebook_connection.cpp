#include "data/scorebook_connection.h"

#include "data/database_error.h"
#include "data/text_rules.h"

#include <sqlite3.h>

namespace {

constexpr int BusyTimeoutMs = 10000;

QString fromSqlite(const void *text, int bytes)
{
    return QString::fromUtf8(static_cast<const char *>(text), bytes);
}

int compareIgnoringCase(void *, int leftBytes, const void *left, int rightBytes, const void *right)
{
    return QString::compare(fromSqlite(left, leftBytes), fromSqlite(right, rightBytes), Qt::CaseInsensitive);
}

void ownerKeyFunction(sqlite3_context *context, int, sqlite3_value **args)
{
    if (sqlite3_value_type(args[0]) == SQLITE_NULL) {
        sqlite3_result_null(context);
        return;
    }
    const auto *raw = reinterpret_cast<const char *>(sqlite3_value_text(args[0]));
    const QByteArray key = roundOwnerKey(QString::fromUtf8(raw, sqlite3_value_bytes(args[0]))).toUtf8();
    sqlite3_result_text(context, key.constData(), int(key.size()), SQLITE_TRANSIENT);
}

} // namespace

QString roundOwnerKey(const QString &name)
{
    return text::trimBlanks(name).toUpper();
}

std::unique_ptr<SQLite::Database> openScorebookConnection(const QString &path)
{
    try {
        auto db = std::make_unique<SQLite::Database>(path.toStdString(), SQLite::OPEN_READWRITE, BusyTimeoutMs);
        db->exec("PRAGMA synchronous = FULL");
        sqlite3 *handle = db->getHandle();
        sqlite3_create_collation(handle, "NAMECASE", SQLITE_UTF8, nullptr, compareIgnoringCase);
        sqlite3_create_function(handle, "owner_key", 1, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr, ownerKeyFunction,
                                nullptr, nullptr);
        return db;
    } catch (const SQLite::Exception &e) {
        throw databaseErrorFrom(e.getErrorCode(), e.what());
    }
}
