#include "core/scorebook/database_error.h"

#include <SQLiteCpp/Exception.h>

#include <sqlite3.h>

DatabaseError databaseErrorFrom(const SQLite::Exception &refusal)
{
    const QString detail = QString::fromUtf8(refusal.what());
    const int extended = refusal.getExtendedErrorCode();
    if (extended == SQLITE_READONLY_DIRECTORY) {
        return DatabaseError(QStringLiteral("The folder that holds the scorebook is read-only, so nothing could be "
                                            "saved. The file itself may be writable, but the folder must be too."));
    }
    switch (refusal.getErrorCode() & 0xff) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return DatabaseError(QStringLiteral("The scorebook is in use by another program, so nothing was changed. "
                                            "Please try again when it is free."));
    case SQLITE_READONLY:
    case SQLITE_PERM:
        return DatabaseError(QStringLiteral("The scorebook file is read-only, so nothing could be saved."));
    case SQLITE_FULL:
        return DatabaseError(QStringLiteral("The disk is full, so nothing could be saved."));
    case SQLITE_CANTOPEN:
        return DatabaseError(QStringLiteral("The scorebook file could not be opened (%1).").arg(detail));
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB:
        return DatabaseError(QStringLiteral("The scorebook file is damaged (%1).").arg(detail));
    default:
        return DatabaseError(QStringLiteral("The scorebook refused the change (%1).").arg(detail));
    }
}
