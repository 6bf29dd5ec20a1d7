#include "core/records/text_rules.h"

#include <QLocale>

#include <cmath>

namespace text {

namespace {

bool isIgnoredBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\n') || c == QLatin1Char('\r');
}

double roundHalfAway(double value)
{
    return std::round(value);
}

} // namespace

double leadingNumber(const QString &value)
{
    QString compact;
    compact.reserve(value.size());
    for (QChar c : value) {
        if (!isIgnoredBlank(c)) {
            compact.append(c);
        }
    }

    int pos = 0;
    const int size = int(compact.size());
    if (pos < size && (compact[pos] == QLatin1Char('+') || compact[pos] == QLatin1Char('-'))) {
        ++pos;
    }
    const int digitsStart = pos;
    while (pos < size && compact[pos].isDigit() && compact[pos].unicode() < 128) {
        ++pos;
    }
    int digits = pos - digitsStart;
    if (pos < size && compact[pos] == QLatin1Char('.')) {
        ++pos;
        const int fractionStart = pos;
        while (pos < size && compact[pos].isDigit() && compact[pos].unicode() < 128) {
            ++pos;
        }
        digits += pos - fractionStart;
    }
    if (digits == 0) {
        return 0.0;
    }
    bool ok = false;
    const double number = compact.left(pos).toDouble(&ok);
    return ok ? number : 0.0;
}

QString capitals(const QString &value)
{
    // QString::toUpper maps "ß" to "SS"; names are compared character by character.
    QString raised;
    raised.reserve(value.size());
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar unit = value.at(i);
        if (unit.isHighSurrogate() && i + 1 < value.size() && value.at(i + 1).isLowSurrogate()) {
            const char32_t capital = QChar::toUpper(QChar::surrogateToUcs4(unit, value.at(++i)));
            raised.append(QChar(QChar::highSurrogate(capital)));
            raised.append(QChar(QChar::lowSurrogate(capital)));
        } else {
            raised.append(unit.toUpper()); // a lone surrogate stays as it is
        }
    }
    return raised;
}

QString trimBlanks(const QString &value)
{
    qsizetype start = 0;
    qsizetype end = value.size();
    while (start < end && value[start] == QLatin1Char(' ')) {
        ++start;
    }
    while (end > start && value[end - 1] == QLatin1Char(' ')) {
        --end;
    }
    return value.mid(start, end - start);
}

bool truthValue(const QString &value)
{
    const QString word = value.trimmed();
    if (word.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0) {
        return true;
    }
    if (word.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0) {
        return false;
    }
    return leadingNumber(word) != 0.0;
}

QString plainNumber(double value)
{
    if (std::isfinite(value) && value == std::floor(value)) {
        return QString::number(value, 'f', 0);
    }
    return QString::number(value, 'g', 15);
}

QString averageFormat(double value)
{
    return QString::number(roundHalfAway(value * 100.0) / 100.0, 'f', 2);
}

QString totalFormat(double value)
{
    QLocale locale;
    locale.setNumberOptions(locale.numberOptions() & ~QLocale::OmitGroupSeparator);
    return locale.toString(static_cast<qlonglong>(roundHalfAway(value)));
}

} // namespace text
