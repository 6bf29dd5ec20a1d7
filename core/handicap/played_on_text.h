#pragma once

#include <QDate>
#include <QLocale>
#include <QString>

#include <optional>

// The day a round was played, from the text of a date box or of a stored
// round's date: YYYY-MM-DD, or the locale's short date with a two- or
// four-digit year. The C locale, which names no country's order, takes the
// scorebook's own month/day/year. A two-digit year is placed in the century
// that puts the day at most 80 years before `today` and 20 after it.
namespace handicap {

std::optional<QDate> playedOnFromText(const QString &text, const QLocale &locale, const QDate &today);

// The form stored in round_details.played_on.
QString playedOnText(const QDate &day);

} // namespace handicap
