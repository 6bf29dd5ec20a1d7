#pragma once

#include "core/records/round_layout.h"

#include <QStringList>

// The totals of a round held in the round-record layout. Hole values stay the
// text that was typed; totals are always added up from the holes, whole
// stroke by whole stroke, never read back from anything shown.

// The number a hole value counts for: the leading-number rule, rounded to whole strokes.
double holeCount(const QString &holeText);

// What nine hole texts add up to.
double nineSum(const QStringList &holeTexts);

// The nine's hole texts of a series as they stand in the round record.
QStringList recordNine(const QStringList &round_record, round_layout::Series series, bool backNine);

// Puts one nine's strokes and putts into the round record and adds up the nine
// and eighteen-hole totals of both. The pars come with the course.
void storeNine(QStringList &round_record, const QStringList &strokes, const QStringList &putts, bool backNine);

// The strokes of both nines: 0 means no score was entered.
double roundStrokes(const QStringList &round_record);

class DataControl;

// Appends the round record (entries 1 to 66) as one record of "rounds", on a
// connection open on that table; throws DatabaseError, storing nothing, when
// the scorebook refuses it.
void storeRound(DataControl &rounds, const QStringList &round_record);
