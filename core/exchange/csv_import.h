#pragma once

#include "core/exchange/csv_problem.h"
#include "core/exchange/exchange_kind.h"

#include <QString>

#include <optional>

namespace exchange {

struct ImportCounts
{
    qint64 fresh = 0; // no stored record has the key
    qint64 identical = 0; // stored already, value for value
    qint64 conflicting = 0; // the key is stored with other values: left as stored
};

struct ImportOutcome
{
    enum class Status
    {
        Done,
        Cancelled,
        Malformed, // `problem` says where
        Failed // `error` says why
    };
    Status status = Status::Done;
    Kind kind = Kind::Rounds; // known once the header has been read
    ImportCounts counts;
    std::optional<CsvProblem> problem;
    QString error; // in plain words when Failed, the problem's text when Malformed
};

// Reads a CSV file of rounds, courses or golfers (told by its header) and
// counts its records against the scorebook. Stores nothing.
ImportOutcome previewImport(const QString &scorebookPath, const QString &csvPath, const Progress &progress = {});

// Stores the file's new records in one transaction; identical and conflicting
// ones leave the stored records as they are. A malformed line, a refusal by the
// scorebook or a cancel stores nothing at all. The counts are those of the
// preview: `fresh` is then the number of records stored.
ImportOutcome importCsv(const QString &scorebookPath, const QString &csvPath, const Progress &progress = {});

} // namespace exchange
