#pragma once

#include <QStringList>

#include <array>

// One stored round, every value as the text it was stored as: the names and
// date, and per hole the strokes, the par of the course and the putts, with
// the nine and eighteen-hole totals the score card wrote.
struct Round
{
    struct Series
    {
        std::array<QString, 18> holes;
        QString front; // f9, pf9, putf9
        QString back; // b9, pb9, putb9
        QString total; // total, ptot, puttot
    };

    QString course;
    QString golfer;
    QString date;
    Series strokes;
    Series pars;
    Series putts;

    // From and to the round-record layout (entries 1..66).
    static Round fromRecord(const QStringList &round_record);
    QStringList toRecord() const;
};
