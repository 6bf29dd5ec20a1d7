#pragma once

#include "core/exchange/exchange_kind.h"

#include <QString>

struct AppContext;
class QWidget;

// The windows' way through an export and an import, with the file chosen by
// the person, progress with Cancel, and a message for whatever goes wrong.

// Writes the records of one kind (rounds: only `golfer`'s when one is given)
// to a CSV file. Returns true once the file is written.
bool exportRecords(QWidget *parent, AppContext &context, exchange::Kind kind, const QString &golfer = {});

// Counts a CSV file's new, identical and conflicting records, shows the counts
// and, when the person agrees, stores the new ones, all or nothing. Stored
// records are never changed. Returns true when records were stored.
bool importRecords(QWidget *parent, AppContext &context);
