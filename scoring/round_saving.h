#pragma once

#include <QStringList>

class DataControl;
class MessageBoxes;
class QWidget;

// Asks "Saving Round" and, on Yes, appends the round record (entries 1 to 66)
// as one record of "rounds". Returns whether it was written; throws
// DatabaseError when the scorebook refuses it, in which case nothing is stored.
bool save_round(DataControl &rounds, const QStringList &round_record, MessageBoxes &messages, QWidget *parent);
