#include "core/handicap/handicap_report.h"

#include "core/handicap/tenths_text.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>

#include <algorithm>

namespace handicap {

namespace {

const QString none = QStringLiteral("-");

template<typename T, typename Format> QString optionalText(const std::optional<T> &value, Format format)
{
    return value ? format(*value) : none;
}

QString number(int value)
{
    return QString::number(value);
}

QString playedOnText(const Round &round)
{
    return round.details && round.details->playedOn.isValid() ? round.details->playedOn.toString(Qt::ISODate)
                                                              : QString();
}

// What else happened with the round: why it does not count, or what cut its figures.
QString noteOf(const RoundOutcome &round)
{
    if (!round.counted()) {
        return reasonText(*round.reason);
    }
    QStringList notes;
    if (round.exceptionalReduction > 0) {
        notes.append(
            QStringLiteral("exceptional score, recent differentials -%1").arg(tenthsText(round.exceptionalReduction)));
    }
    if (round.cap == Cap::Soft) {
        notes.append(QStringLiteral("soft cap"));
    } else if (round.cap == Cap::Hard) {
        notes.append(QStringLiteral("hard cap"));
    }
    return notes.join(QStringLiteral("; "));
}

QStringList tableRow(const RoundOutcome &round)
{
    const bool counted = round.counted();
    const QString date = playedOnText(round.round);
    return {date.isEmpty() ? none : date,
            QString::number(round.round.recordNo),
            round.round.course,
            round.round.details ? round.round.details->tee : none,
            number(round.gross),
            counted ? number(round.adjustedGross) : none,
            round.ratedTee ? tenthsText(round.ratedTee->courseRatingTenths) : none,
            round.ratedTee ? number(round.ratedTee->slope) : none,
            round.round.details ? number(round.round.details->pcc) : none,
            optionalText(round.courseHandicap, number),
            counted ? tenthsText(round.differential()) : none,
            round.used ? QStringLiteral("*") : QString(),
            optionalText(round.indexAfter, indexText),
            noteOf(round)};
}

// Columns padded to their widest cell; numbers to the right, words to the left.
QString formatTable(const QList<QStringList> &rows, const QList<bool> &rightAligned)
{
    QList<int> widths(rightAligned.size(), 0);
    for (const QStringList &row : rows) {
        for (int column = 0; column < row.size(); ++column) {
            widths[column] = std::max(widths[column], int(row[column].size()));
        }
    }
    QString table;
    for (const QStringList &row : rows) {
        QStringList cells;
        for (int column = 0; column < row.size(); ++column) {
            cells.append(rightAligned[column] ? row[column].rightJustified(widths[column])
                                              : row[column].leftJustified(widths[column]));
        }
        table += cells.join(QStringLiteral("  ")).trimmed() + QLatin1Char('\n');
    }
    return table;
}

QJsonValue tenthsValue(int tenths)
{
    return tenths / 10.0;
}

template<typename T> QJsonValue jsonOrNull(bool present, const T &value)
{
    return present ? QJsonValue(value) : QJsonValue(QJsonValue::Null);
}

QJsonObject jsonRound(const RoundOutcome &round)
{
    const bool counted = round.counted();
    const auto &details = round.round.details;
    const QString date = playedOnText(round.round);
    return {
        {QStringLiteral("record_no"), round.round.recordNo},
        {QStringLiteral("date"), jsonOrNull(!date.isEmpty(), date)},
        {QStringLiteral("course"), round.round.course},
        {QStringLiteral("tee"), jsonOrNull(bool(details), details ? details->tee : QString())},
        {QStringLiteral("gross"), round.gross},
        {QStringLiteral("adjusted_gross"), jsonOrNull(counted, round.adjustedGross)},
        {QStringLiteral("course_rating"),
         round.ratedTee ? tenthsValue(round.ratedTee->courseRatingTenths) : QJsonValue(QJsonValue::Null)},
        {QStringLiteral("slope"), jsonOrNull(bool(round.ratedTee), round.ratedTee ? round.ratedTee->slope : 0)},
        {QStringLiteral("pcc"), jsonOrNull(bool(details), details ? details->pcc : 0)},
        {QStringLiteral("differential"), counted ? tenthsValue(round.differential()) : QJsonValue(QJsonValue::Null)},
        {QStringLiteral("counted"), counted},
        {QStringLiteral("used"), round.used},
        {QStringLiteral("reason"), jsonOrNull(!counted, counted ? QString() : reasonText(*round.reason))},
    };
}

QJsonValue optionalTenths(const std::optional<int> &tenths)
{
    return tenths ? tenthsValue(*tenths) : QJsonValue(QJsonValue::Null);
}

} // namespace

QString plainReport(const HandicapResult &result)
{
    QList<QStringList> rows {{QStringLiteral("Date"), QStringLiteral("Round"), QStringLiteral("Course"),
                              QStringLiteral("Tee"), QStringLiteral("Gross"), QStringLiteral("Adjusted"),
                              QStringLiteral("Rating"), QStringLiteral("Slope"), QStringLiteral("PCC"),
                              QStringLiteral("CH"), QStringLiteral("Differential"), QStringLiteral("Used"),
                              QStringLiteral("Index"), QStringLiteral("Note")}};
    for (const RoundOutcome &round : result.rounds) {
        rows.append(tableRow(round));
    }
    const QList<bool> rightAligned {false, true, false, false, true,  true, true,
                                    true,  true, true,  true,  false, true, false};
    const QString index = result.index ? indexText(*result.index) : QStringLiteral("none");
    return QStringLiteral("Handicap Index: %1\n").arg(index) + formatTable(rows, rightAligned);
}

QByteArray jsonReport(const QString &golfer, const HandicapResult &result)
{
    QJsonArray rounds;
    for (const RoundOutcome &round : result.rounds) {
        rounds.append(jsonRound(round));
    }
    const QJsonObject report {
        {QStringLiteral("golfer"), golfer},
        {QStringLiteral("index"), optionalTenths(result.index)},
        {QStringLiteral("low_index"), optionalTenths(result.lowIndex)},
        {QStringLiteral("rounds"), rounds},
    };
    return QJsonDocument(report).toJson(QJsonDocument::Compact) + '\n';
}

} // namespace handicap
