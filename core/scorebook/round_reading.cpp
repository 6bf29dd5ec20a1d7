#include "core/scorebook/round_reading.h"

#include "core/records/round_layout.h"
#include "core/scorebook/datgolf.h"

#include <array>

std::vector<Round> readRoundsPlayedBy(DataControl &rounds, const QString &golfer, const QString &course)
{
    const QStringList columns = rounds.fieldNames();
    std::array<int, round_layout::Entries> columnOfEntry {};
    for (int entry = 1; entry < round_layout::Entries; ++entry) {
        columnOfEntry[entry] = int(columns.indexOf(round_layout::fieldName(entry)));
    }
    std::vector<Round> found;
    QStringList record(round_layout::Entries);
    for (const QStringList &row : rounds.roundsPlayedBy(golfer, course)) {
        for (int entry = 1; entry < round_layout::Entries; ++entry) {
            record[entry] = row.value(columnOfEntry[entry], QStringLiteral("0"));
        }
        found.push_back(Round::fromRecord(record));
    }
    return found;
}
