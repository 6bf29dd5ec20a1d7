#pragma once

#include <QString>

class DataControl;

enum class GolferRemoval
{
    NotFound, // no golfer of that name: nothing changed
    RemovedWithRounds, // the golfer and every round under the name are gone
    RemovedKeptRounds, // another golfer of the same name still owns the rounds
};

// Deletes the golfer found by name (letter case ignored, the last of several
// matches) and, in the same transaction, the rounds stored under that name
// (blanks around it and letter case ignored) unless a remaining golfer still
// answers to it. The connection must be open on "golfers". Throws
// DatabaseError, in which case nothing is deleted.
GolferRemoval removeGolfer(DataControl &golfers, const QString &name);
