#include "scoring/round_totals.h"

#include "courses/card_grid.h"
#include "data/round_layout.h"
#include "data/text_rules.h"

#include <QLabel>
#include <QLineEdit>

#include <cmath>

using namespace round_layout;

namespace {

void storeNine(const CardGrid &card, QStringList &record, bool backNine)
{
    const int firstHole = backNine ? 10 : 1;
    for (int i = 0; i < 9; ++i) {
        record[holeEntry(Strokes, firstHole + i)] = card.txth1[i]->text();
        record[holeEntry(Par, firstHole + i)] = card.lblp1[i]->text();
        record[holeEntry(Putts, firstHole + i)] = card.putts[i]->text();
    }
    const auto nineTotal = backNine ? backTotalEntry : frontTotalEntry;
    record[nineTotal(Strokes)] = card.lbl9tot->text();
    record[nineTotal(Par)] = card.lblpf9->text();
    record[nineTotal(Putts)] = card.lblputts9->text();
    for (Series series : {Strokes, Par, Putts}) {
        record[roundTotalEntry(series)] = text::plainNumber(text::leadingNumber(record[frontTotalEntry(series)])
                                                            + text::leadingNumber(record[backTotalEntry(series)]));
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
