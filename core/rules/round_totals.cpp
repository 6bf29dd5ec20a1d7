#include "core/rules/round_totals.h"

#include "core/records/text_rules.h"
#include "core/scorebook/datgolf.h"

#include <cmath>

using namespace round_layout;

double holeCount(const QString &holeText)
{
    // Halves go to the even neighbour, as whole-stroke sums always did.
    return std::nearbyint(text::leadingNumber(holeText));
}

double nineSum(const QStringList &holeTexts)
{
    double sum = 0;
    for (const QString &hole : holeTexts) {
        sum = std::nearbyint(sum + holeCount(hole));
    }
    return sum;
}

QStringList recordNine(const QStringList &round_record, Series series, bool backNine)
{
    QStringList holes;
    const int firstHole = backNine ? 10 : 1;
    for (int hole = firstHole; hole < firstHole + 9; ++hole) {
        holes.append(round_record.value(holeEntry(series, hole)));
    }
    return holes;
}

void storeNine(QStringList &round_record, const QStringList &strokes, const QStringList &putts, bool backNine)
{
    const int firstHole = backNine ? 10 : 1;
    for (int i = 0; i < 9; ++i) {
        round_record[holeEntry(Strokes, firstHole + i)] = strokes.value(i);
        round_record[holeEntry(Putts, firstHole + i)] = putts.value(i);
    }
    for (Series series : {Strokes, Putts}) {
        const double front = nineSum(recordNine(round_record, series, false));
        const double back = nineSum(recordNine(round_record, series, true));
        round_record[frontTotalEntry(series)] = text::plainNumber(front);
        round_record[backTotalEntry(series)] = text::plainNumber(back);
        round_record[roundTotalEntry(series)] = text::plainNumber(front + back);
    }
}

double roundStrokes(const QStringList &round_record)
{
    return nineSum(recordNine(round_record, Strokes, false)) + nineSum(recordNine(round_record, Strokes, true));
}

void storeRound(DataControl &rounds, const QStringList &round_record)
{
    rounds.addNew();
    for (int entry = 1; entry < Entries; ++entry) {
        rounds.setField(fieldName(entry), round_record.value(entry));
    }
    rounds.update();
}
