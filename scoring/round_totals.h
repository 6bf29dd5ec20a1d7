#pragma once

#include <QStringList>

class CardGrid;

// Moving one nine between the score card and the round record. The nine not
// on the card lives in the round record; the card is the only place where the
// nine shown is current.

// Copies the card's strokes and putts of the shown nine into the round record
// and adds up the nine and eighteen-hole totals.
void store_front_nine(const CardGrid &card, QStringList &round_record);
void store_back_nine(const CardGrid &card, QStringList &round_record);

// Puts the stored strokes and putts of a nine back into the entry boxes.
void restore_front_nine(CardGrid &card, const QStringList &round_record);
void restore_back_nine(CardGrid &card, const QStringList &round_record);

// What the card's boxes of the shown nine hold.
QStringList cardStrokes(const CardGrid &card);
QStringList cardPutts(const CardGrid &card);
