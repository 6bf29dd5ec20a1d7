#pragma once

#include <QString>

#include <SQLiteCpp/Database.h>

#include <memory>

// Opens one connection on the scorebook file, read-write, set up for a
// household program: a second copy waits for a lock instead of failing, and a
// stored record survives a power cut. Names compare through the collation
// "NAMECASE" (letter case ignored, blanks significant, any alphabet).
std::unique_ptr<SQLite::Database> openScorebookConnection(const QString &path);

// The key by which a round belongs to a golfer: surrounding blanks removed, capitals.
QString roundOwnerKey(const QString &name);
