#include "card/clear_card.h"

#include "card/card_grid.h"

#include <QLabel>
#include <QLineEdit>

void clear_card(CardGrid &card)
{
    const QString zero = QStringLiteral("0");
    for (int i = 0; i < 9; ++i) {
        for (const auto *row : {&card.lblb1, &card.lblw1, &card.lblr1, &card.lblp1, &card.lblh1}) {
            (*row)[i]->setText(zero);
        }
    }
    for (QLabel *total :
         {card.lblby, card.lblwy, card.lblry, card.lblpf9, card.lblbtot, card.lblwtot, card.lblrtot, card.lblptot}) {
        total->setText(zero);
    }
    if (!card.txtName) {
        return;
    }
    for (int i = 0; i < 9; ++i) {
        card.txth1[i]->setText(zero);
        card.putts[i]->setText(zero);
    }
    card.txtName->clear();
}
