#pragma once

#include <QString>

namespace exchange {

// Where a CSV file is malformed: the physical line of the file (from 1), the
// field number within its record (from 1) and why, in plain words.
struct CsvProblem
{
    qint64 line = 0;
    int column = 0;
    QString why;

    QString text() const { return QStringLiteral("line %1, column %2: %3").arg(line).arg(column).arg(why); }
};

} // namespace exchange
