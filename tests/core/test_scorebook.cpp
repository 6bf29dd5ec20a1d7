#include "tests/core/test_scorebook.h"

#include "core/handicap/handicap_tables.h"

#include <QFile>

#include <SQLiteCpp/Statement.h>

#include <algorithm>

namespace {

std::string numbered(const char *prefix, const char *separator)
{
    std::string text;
    for (int hole = 1; hole <= 18; ++hole) {
        text += (hole > 1 ? separator : "") + std::string(prefix) + std::to_string(hole);
    }
    return text;
}

// ", ?" once per hole value bound after the two names.
std::string holePlaceholders()
{
    std::string marks;
    for (int i = 0; i < 36; ++i) {
        marks += ", ?";
    }
    return marks;
}

// The two name columns, then h1..h18 and p1..p18.
std::string insertWithHoles(const char *table, const char *nameColumns)
{
    return std::string("INSERT INTO ") + table + " (" + nameColumns + ", " + numbered("h", ", ") + ", "
        + numbered("p", ", ") + ") VALUES (?, ?" + holePlaceholders() + ")";
}

void bindAll(SQLite::Statement &statement, int first, const QStringList &values)
{
    for (int i = 0; i < values.size(); ++i) {
        statement.bind(first + i, values[i].toStdString());
    }
}

} // namespace

TestScorebook::TestScorebook(bool withHandicapTables)
    : path_(folder_.filePath(QStringLiteral("teedat2000.mdb")))
{
    QFile schema(QStringLiteral(TEEBOOK_SCHEMA_FILE));
    schema.open(QIODevice::ReadOnly);
    database_ = std::make_unique<SQLite::Database>(path_.toStdString(), SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE);
    database_->exec(schema.readAll().toStdString());
    if (withHandicapTables) {
        database_->exec(handicap::handicapTablesSql());
    }
}

void TestScorebook::addGolfer(const QString &name)
{
    SQLite::Statement insert(*database_, "INSERT INTO golfers (golfer_name) VALUES (?)");
    insert.bind(1, name.toStdString());
    insert.exec();
}

void TestScorebook::addCourse(const QString &name, const QString &size, const QStringList &strokeIndex)
{
    SQLite::Statement insert(*database_, insertWithHoles("courseinfo", "course_name, course_size"));
    insert.bind(1, name.toStdString());
    insert.bind(2, size.toStdString());
    bindAll(insert, 3, strokeIndex);
    bindAll(insert, 21, QStringList(18, QStringLiteral("4")));
    insert.exec();
}

void TestScorebook::addCourse(const QString &name)
{
    QStringList strokeIndex;
    for (int hole = 1; hole <= 18; ++hole) {
        strokeIndex.append(QString::number(hole));
    }
    addCourse(name, QStringLiteral("True"), strokeIndex);
}

qint64 TestScorebook::addRound(const QString &golfer, const QString &course, const QStringList &strokes)
{
    SQLite::Statement insert(*database_, insertWithHoles("rounds", "golfer_name, course_name"));
    insert.bind(1, golfer.toStdString());
    insert.bind(2, course.toStdString());
    bindAll(insert, 3, strokes);
    bindAll(insert, 21, QStringList(18, QStringLiteral("4")));
    insert.exec();
    return database_->getLastInsertRowid();
}

qint64 TestScorebook::addRound(const QString &golfer, const QString &course, int gross)
{
    return addRound(golfer, course, strokesText(gross));
}

void TestScorebook::addDetails(qint64 recordNo, const QString &tee, const QString &playedOn, int pcc)
{
    SQLite::Statement insert(*database_,
                             "INSERT INTO round_details (record_no, tee, played_on, pcc) VALUES (?, ?, ?, ?)");
    insert.bind(1, static_cast<int64_t>(recordNo));
    insert.bind(2, tee.toStdString());
    insert.bind(3, playedOn.toStdString());
    insert.bind(4, pcc);
    insert.exec();
}

void TestScorebook::addRating(const QString &course, const QString &tee, double rating, int slope)
{
    SQLite::Statement insert(
        *database_, "INSERT INTO tee_ratings (course_name, tee, course_rating, slope_rating) VALUES (?, ?, ?, ?)");
    insert.bind(1, course.toStdString());
    insert.bind(2, tee.toStdString());
    insert.bind(3, rating);
    insert.bind(4, slope);
    insert.exec();
}

QStringList strokesText(int gross)
{
    QStringList strokes;
    int difference = gross - 72;
    for (int hole = 0; hole < 18; ++hole) {
        const int step = std::clamp(difference, -2, 2);
        strokes.append(QString::number(4 + step));
        difference -= step;
    }
    return strokes;
}
