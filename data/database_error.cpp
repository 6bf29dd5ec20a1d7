#include "data/database_error.h"

#include <sqlite3.h>

DatabaseError databaseErrorFrom(int errorCode, const char *engineText)
{
    const QString detail = QString::fromUtf8(engineText);
    switch (errorCode & 0xff) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return DatabaseError(QStringLiteral("The scorebook is busy in another copy of the program. "
                                            "Please try again in a moment."));
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
