#pragma once

#include "core/records/round_layout.h"

#include <QStringList>

class CardGrid;

// Moving one nine between the score card and the round record. The nine not
// on the card lives in the round record; the card is the only place where the
// nine shown is current. Hole values are copied as text, exactly as typed;
// totals are always added up from the holes, never read back from a label.

// Copies the card's strokes and putts of the shown nine into the round record
// and adds up the nine and eighteen-hole totals. The pars come with the course.
void store_front_nine(const CardGrid &card, QStringList &round_record);
void store_back_nine(const CardGrid &card, QStringList &round_record);

// Puts the stored strokes and putts of a nine back into the entry boxes.
void restore_front_nine(CardGrid &card, const QStringList &round_record);
void restore_back_nine(CardGrid &card, const QStringList &round_record);

// The number a box counts for: the leading-number rule, rounded to whole strokes.
double holeCount(const QString &boxText);

// What nine hole texts add up to, whole stroke by whole stroke as the card adds them.
double nineSum(const QStringList &holeTexts);

// The nine's hole texts of a series as they stand in the round record.
QStringList recordNine(const QStringList &round_record, round_layout::Series series, bool backNine);
