#pragma once

#include "core/records/round.h"
#include "core/records/round_layout.h"

#include <QHash>
#include <QList>
#include <QString>

// The fields of a stored round as the score card writes them: hole figures,
// nine totals and eighteen totals. Missing holes are 0.
inline QHash<QString, QString> playedRound(const QString &golfer, const QString &course, const QList<int> &strokes,
                                           const QList<int> &pars, const QList<int> &putts)
{
    using namespace round_layout;
    QHash<QString, QString> fields;
    fields.insert(fieldName(Golfer), golfer);
    fields.insert(fieldName(Course), course);
    fields.insert(fieldName(Date), QStringLiteral("6/12/26"));
    const QList<int> *series[] = {&strokes, &pars, &putts};
    for (int s = Strokes; s <= Putts; ++s) {
        int nines[2] = {};
        for (int hole = 1; hole <= 18; ++hole) {
            const int value = series[s]->value(hole - 1, 0);
            nines[hole > 9] += value;
            fields.insert(fieldName(holeEntry(Series(s), hole)), QString::number(value));
        }
        fields.insert(fieldName(frontTotalEntry(Series(s))), QString::number(nines[0]));
        fields.insert(fieldName(backTotalEntry(Series(s))), QString::number(nines[1]));
        fields.insert(fieldName(roundTotalEntry(Series(s))), QString::number(nines[0] + nines[1]));
    }
    return fields;
}

// Eighteen copies of one value.
inline QList<int> everyHole(int value)
{
    return QList<int>(18, value);
}

// The same round as the statistics read it.
inline Round asRound(const QHash<QString, QString> &fields)
{
    QStringList record(round_layout::Entries, QStringLiteral("0"));
    for (int entry = 1; entry < round_layout::Entries; ++entry) {
        record[entry] = fields.value(round_layout::fieldName(entry), QStringLiteral("0"));
    }
    return Round::fromRecord(record);
}
