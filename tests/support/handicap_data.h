#pragma once

#include "tests/support/test_program.h"

#include <QDate>
#include <QHash>
#include <QString>

// Rounds and ratings for the handicap, stored as the program stores them. With
// sampleCourse (par 4 on every hole, hole n of stroke index n) rated 72.0 / 113
// from the white tee, a round's differential is its adjusted gross minus 72.
namespace handicap_data {

inline void rate(TestProgram &program, const QString &course, const QString &tee, const QString &rating, int slope)
{
    program.changeFromOutside(QStringLiteral("INSERT OR REPLACE INTO tee_ratings VALUES ('%1', '%2', %3, %4)")
                                  .arg(course, tee, rating)
                                  .arg(slope));
}

// Eighteen holes of fours, the first holes one stroke more, to make the gross.
inline QHash<QString, QString> roundOf(const QString &golfer, const QString &course, int gross, const QString &date)
{
    QHash<QString, QString> fields {{QStringLiteral("golfer_name"), golfer},
                                    {QStringLiteral("course_name"), course},
                                    {QStringLiteral("date"), date},
                                    {QStringLiteral("total"), QString::number(gross)}};
    for (int hole = 1; hole <= 18; ++hole) {
        fields.insert(QStringLiteral("h%1").arg(hole), QString::number(4 + (hole <= gross - 72 ? 1 : 0)));
        fields.insert(QStringLiteral("p%1").arg(hole), QStringLiteral("4"));
    }
    return fields;
}

// A round with its tee and day, as the score card saves one now.
inline void addDetailedRound(TestProgram &program, const QString &golfer, const QString &course, int gross,
                             const QDate &playedOn, const QString &tee = QStringLiteral("white"), int pcc = 0)
{
    program.addRound(roundOf(golfer, course, gross, playedOn.toString(QStringLiteral("M/d/yyyy"))));
    program.changeFromOutside(
        QStringLiteral("INSERT INTO round_details SELECT max(record_no), '%1', '%2', %3 FROM rounds")
            .arg(tee, playedOn.toString(Qt::ISODate))
            .arg(pcc));
}

} // namespace handicap_data
