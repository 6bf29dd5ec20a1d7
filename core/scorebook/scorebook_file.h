#pragma once

#include <QString>

// The scorebook file: whether it is there and is a scorebook,
// and creating an empty one from the schema.
namespace scorebook {

enum class Health
{
    Ready,
    Missing,
    Unreadable
};

struct Check
{
    Health health = Health::Ready;
    QString problem; // what is wrong, in plain words, when not Ready
};

// Looks at the file without changing it: an SQLite file with the three tables
// and every field the program reads and writes.
Check inspect(const QString &path);

// Writes an empty scorebook at the path, making its folder when needed (the
// user's data folder on a first start); never overwrites an existing file.
// Returns an empty text on success, else what went wrong.
QString createEmpty(const QString &path);

} // namespace scorebook
