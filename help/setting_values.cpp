#include "setting_values.h"

#include <QtMath>

#include <algorithm>
#include <cmath>
#include <optional>

namespace settings {

namespace {

std::optional<double> numberIn(const QString &text)
{
    bool ok = false;
    double value = text.trimmed().toDouble(&ok);
    if (!ok || !qIsFinite(value)) {
        return std::nullopt;
    }
    return value;
}

int rounded(double value, int lowest, int highest)
{
    return static_cast<int>(std::clamp(std::nearbyint(value), double(lowest), double(highest)));
}

} // namespace

int entryCount(const QString &text)
{
    std::optional<double> value = numberIn(text);
    return value ? rounded(*value, 0, kMostEntries) : 1;
}

int listWidth(const QString &text)
{
    std::optional<double> value = numberIn(text);
    return value && *value >= 0 ? rounded(*value, 0, kWidestList) : kDefaultListWidth;
}

bool isHeading(const QString &text)
{
    QString word = text.trimmed();
    if (word.compare(QStringLiteral("True"), Qt::CaseInsensitive) == 0) {
        return true;
    }
    std::optional<double> value = numberIn(word);
    return value && *value != 0;
}

} // namespace settings
