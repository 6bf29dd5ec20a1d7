#pragma once

#include <QString>

#include <functional>
#include <optional>

namespace exchange {

// What a CSV file holds: one of the scorebook's three kinds of record.
enum class Kind
{
    Rounds,
    Courses,
    Golfers
};

QString kindName(Kind kind); // "rounds", "courses", "golfers"
std::optional<Kind> kindNamed(const QString &name);

// Told how far a long export or import has come; returning false cancels it.
using Progress = std::function<bool(qint64 done, qint64 total)>;

} // namespace exchange
