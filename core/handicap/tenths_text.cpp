#include "core/handicap/tenths_text.h"

#include <QRegularExpression>

#include <cstdlib>

namespace handicap {

std::optional<int> tenthsFromText(const QString &text)
{
    // Whole part limited to six digits, far beyond any rating, so tenths fit an int.
    static const QRegularExpression decimal(QStringLiteral("^([+-]?)(\\d{0,6})(?:\\.(\\d*))?$"));
    const auto match = decimal.match(text.trimmed());
    const QString whole = match.captured(2);
    const QString fraction = match.captured(3);
    if (!match.hasMatch() || (whole.isEmpty() && fraction.isEmpty())) {
        return std::nullopt;
    }
    int tenths = whole.toInt() * 10 + (fraction.isEmpty() ? 0 : fraction[0].digitValue());
    if (fraction.size() > 1 && fraction[1].digitValue() >= 5) {
        ++tenths; // the magnitude is rounded, so halves go away from zero
    }
    return match.captured(1) == QLatin1String("-") ? -tenths : tenths;
}

QString tenthsText(int tenths)
{
    const int magnitude = std::abs(tenths);
    return QStringLiteral("%1%2.%3")
        .arg(tenths < 0 ? QStringLiteral("-") : QString())
        .arg(magnitude / 10)
        .arg(magnitude % 10);
}

QString indexText(int tenths)
{
    return tenths < 0 ? QLatin1Char('+') + tenthsText(-tenths) : tenthsText(tenths);
}

} // namespace handicap
