#include "scoring/round_totals.h"

#include "card/card_grid.h"
#include "core/records/text_rules.h"

#include <QLineEdit>

#include <cmath>

using namespace round_layout;

namespace {

QStringList boxTexts(const std::array<QLineEdit *, 9> &boxes)
{
    QStringList texts;
    for (const QLineEdit *box : boxes) {
        texts.append(box->text());
    }
    return texts;
}

void storeNine(const CardGrid &card, QStringList &record, bool backNine)
{
    const int firstHole = backNine ? 10 : 1;
    const QStringList strokes = boxTexts(card.txth1);
    const QStringList putts = boxTexts(card.putts);
    for (int i = 0; i < 9; ++i) {
        record[holeEntry(Strokes, firstHole + i)] = strokes.at(i);
        record[holeEntry(Putts, firstHole + i)] = putts.at(i);
    }
    for (Series series : {Strokes, Putts}) {
        const double front = nineSum(recordNine(record, series, false));
        const double back = nineSum(recordNine(record, series, true));
        record[frontTotalEntry(series)] = text::plainNumber(front);
        record[backTotalEntry(series)] = text::plainNumber(back);
        record[roundTotalEntry(series)] = text::plainNumber(front + back);
    }
}

void restoreNine(CardGrid &card, const QStringList &record, bool backNine)
{
    const int firstHole = backNine ? 10 : 1;
    for (int i = 0; i < 9; ++i) {
        card.txth1[i]->setText(record[holeEntry(Strokes, firstHole + i)]);
        card.putts[i]->setText(record[holeEntry(Putts, firstHole + i)]);
    }
}

} // namespace

void store_front_nine(const CardGrid &card, QStringList &round_record)
{
    storeNine(card, round_record, false);
}

void store_back_nine(const CardGrid &card, QStringList &round_record)
{
    storeNine(card, round_record, true);
}

void restore_front_nine(CardGrid &card, const QStringList &round_record)
{
    restoreNine(card, round_record, false);
}

void restore_back_nine(CardGrid &card, const QStringList &round_record)
{
    restoreNine(card, round_record, true);
}

double holeCount(const QString &boxText)
{
    // Halves go to the even neighbour, as whole-stroke sums always did.
    return std::nearbyint(text::leadingNumber(boxText));
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
