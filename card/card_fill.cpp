#include "card/card_fill.h"

#include "card/card_grid.h"
#include "core/records/course_layout.h"
#include "core/records/shared_state.h"
#include "core/records/text_rules.h"

#include <QLabel>

namespace {

using namespace course_layout;

void fillNine(CardGrid &card, const QStringList &course, bool backNine)
{
    const std::array<QLabel *, 9> *holeRows[] = {&card.lblb1, &card.lblw1, &card.lblr1, &card.lblp1, &card.lblh1};
    QLabel *const nineTotals[] = {card.lblby, card.lblwy, card.lblry, card.lblpf9};
    QLabel *const eighteenTotals[] = {card.lblbtot, card.lblwtot, card.lblrtot, card.lblptot};

    const int firstHole = backNine ? 10 : 1;
    for (int i = 0; i < 9; ++i) {
        for (int value = Blue; value <= Handicap; ++value) {
            (*holeRows[value])[i]->setText(course.value(holeIndex(firstHole + i, Value(value))));
        }
    }
    for (int value = Blue; value <= Par; ++value) {
        const QString front = course.value(frontTotalIndex(Value(value)));
        const QString back = course.value(backTotalIndex(Value(value)));
        nineTotals[value]->setText(backNine ? back : front);
        eighteenTotals[value]->setText(text::plainNumber(text::leadingNumber(front) + text::leadingNumber(back)));
    }
}

} // namespace

void fill_front_card(CardGrid &card, const SharedState &state, int row)
{
    fillNine(card, state.course_cache.value(row), false);
}

void fill_back_card(CardGrid &card, const SharedState &state, int row)
{
    fillNine(card, state.course_cache.value(row), true);
}
