#include "core/handicap/played_on_text.h"

#include <QStringList>

namespace handicap {

namespace {

const QString isoFormat = QStringLiteral("yyyy-MM-dd");

bool hasTwoDigitYear(const QString &format)
{
    return format.contains(QLatin1String("yy")) && !format.contains(QLatin1String("yyyy"));
}

// The locale's short form with its year written both ways.
QStringList shortFormats(const QLocale &locale)
{
    QStringList formats;
    const QString localeFormat = locale.dateFormat(QLocale::ShortFormat);
    formats << localeFormat;
    if (hasTwoDigitYear(localeFormat)) {
        formats << QString(localeFormat).replace(QLatin1String("yy"), QLatin1String("yyyy"));
    } else {
        formats << QString(localeFormat).replace(QLatin1String("yyyy"), QLatin1String("yy"));
    }
    if (locale.language() == QLocale::C) {
        formats << QStringLiteral("M/d/yy") << QStringLiteral("M/d/yyyy");
    }
    return formats;
}

QDate inCenturyNear(const QDate &parsed, const QDate &today)
{
    const int twoDigits = parsed.year() % 100;
    const int latest = today.year() + 20;
    const int year = latest - ((latest - twoDigits) % 100 + 100) % 100;
    return QDate(year, parsed.month(), parsed.day());
}

} // namespace

std::optional<QDate> playedOnFromText(const QString &text, const QLocale &locale, const QDate &today)
{
    const QString typed = text.trimmed();
    const QDate iso = QDate::fromString(typed, isoFormat);
    if (iso.isValid()) {
        return iso;
    }
    for (const QString &format : shortFormats(locale)) {
        const QDate day = locale.toDate(typed, format);
        if (day.isValid()) {
            const QDate placed = hasTwoDigitYear(format) ? inCenturyNear(day, today) : day;
            if (placed.isValid()) {
                return placed;
            }
        }
    }
    return std::nullopt;
}

QString playedOnText(const QDate &day)
{
    return day.toString(isoFormat);
}

} // namespace handicap
