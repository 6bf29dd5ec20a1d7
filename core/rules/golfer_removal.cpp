#include "core/rules/golfer_removal.h"

#include "core/scorebook/datgolf.h"
#include "core/scorebook/scorebook_connection.h"

namespace {

const QString NameField = QStringLiteral("golfer_name");

bool anyGolferOwns(DataControl &golfers, const QString &ownerKey)
{
    for (golfers.moveFirst(); !golfers.atEnd(); golfers.moveNext()) {
        if (roundOwnerKey(golfers.field(NameField)) == ownerKey) {
            return true;
        }
    }
    return false;
}

} // namespace

GolferRemoval removeGolfer(DataControl &golfers, const QString &name)
{
    GolferRemoval outcome = GolferRemoval::NotFound;
    golfers.inTransaction([&] {
        golfers.findFirst(NameField, name);
        if (golfers.noMatch()) {
            return;
        }
        do {
            golfers.findNext(NameField, name);
        } while (!golfers.noMatch());
        golfers.deleteCurrent();

        const QString ownerKey = roundOwnerKey(name);
        if (anyGolferOwns(golfers, ownerKey)) {
            outcome = GolferRemoval::RemovedKeptRounds;
            return;
        }
        golfers.deleteRoundsOwnedBy(ownerKey);
        outcome = GolferRemoval::RemovedWithRounds;
    });
    return outcome;
}
