#pragma once

#include "core/exchange/exchange_kind.h"

#include <QString>

namespace exchange {

struct ExportRequest
{
    Kind kind = Kind::Rounds;
    QString csvPath;
    QString golfer; // rounds only: just this golfer's (blanks trimmed); empty for every round
};

struct ExportOutcome
{
    enum class Status
    {
        Done,
        Cancelled,
        Failed
    };
    Status status = Status::Done;
    qint64 records = 0;
    QString error; // in plain words, when Failed
};

// Writes the records of one kind as CSV with a header of the stored field
// names, each value as stored, so that importing the file into an empty
// scorebook and exporting again gives the same bytes. Rounds carry their tee,
// played_on and pcc; courses a course_rating and a slope_rating column for
// every rated tee. The file appears only when complete: a cancelled or failed
// export leaves whatever was there before.
ExportOutcome exportCsv(const QString &scorebookPath, const ExportRequest &request, const Progress &progress = {});

} // namespace exchange
