#include "scoring/round_totals.h"

#include "card/card_grid.h"
#include "core/records/round_layout.h"
#include "core/rules/round_totals.h"

#include <QLineEdit>

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

void restoreNine(CardGrid &card, const QStringList &record, bool backNine)
{
    const int firstHole = backNine ? 10 : 1;
    for (int i = 0; i < 9; ++i) {
        card.txth1[i]->setText(record[holeEntry(Strokes, firstHole + i)]);
        card.putts[i]->setText(record[holeEntry(Putts, firstHole + i)]);
    }
}

} // namespace

QStringList cardStrokes(const CardGrid &card)
{
    return boxTexts(card.txth1);
}

QStringList cardPutts(const CardGrid &card)
{
    return boxTexts(card.putts);
}

void store_front_nine(const CardGrid &card, QStringList &round_record)
{
    storeNine(round_record, cardStrokes(card), cardPutts(card), false);
}

void store_back_nine(const CardGrid &card, QStringList &round_record)
{
    storeNine(round_record, cardStrokes(card), cardPutts(card), true);
}

void restore_front_nine(CardGrid &card, const QStringList &round_record)
{
    restoreNine(card, round_record, false);
}

void restore_back_nine(CardGrid &card, const QStringList &round_record)
{
    restoreNine(card, round_record, true);
}
