#include "tests/core/test_scorebook.h"

#include "core/scorebook/scorebook_file.h"
#include "tests/core/handicap_rounds.h"

#include <SQLiteCpp/Statement.h>
#include <SQLiteCpp/VariadicBind.h>

namespace {

template<typename... Values> void insert(SQLite::Database &database, const char *sql, const Values &...values)
{
    SQLite::Statement statement(database, sql);
    SQLite::bind(statement, values...);
    statement.exec();
}

// Inserts a row of two names, h1..h18 as given and p1..p18 all 4; returns its rowid.
qint64 insertWithHoles(SQLite::Database &database, const char *table, const char *nameColumns, const QStringList &names,
                       const QStringList &holes)
{
    std::string columns = nameColumns;
    std::string marks = "?, ?";
    for (const char *series : {"h", "p"}) {
        for (int hole = 1; hole <= 18; ++hole) {
            columns += std::string(", ") + series + std::to_string(hole);
            marks += ", ?";
        }
    }
    SQLite::Statement insert(database,
                             std::string("INSERT INTO ") + table + " (" + columns + ") VALUES (" + marks + ")");
    const QStringList values = names + holes + QStringList(18, QStringLiteral("4"));
    for (int i = 0; i < values.size(); ++i) {
        insert.bind(i + 1, values[i].toStdString());
    }
    insert.exec();
    return database.getLastInsertRowid();
}

} // namespace

TestScorebook::TestScorebook(bool withHandicapTables)
    : path_(folder_.filePath(QStringLiteral("teedat2000.mdb")))
{
    scorebook::createEmpty(path_);
    database_ = std::make_unique<SQLite::Database>(path_.toStdString(), SQLite::OPEN_READWRITE);
    if (!withHandicapTables) {
        database_->exec("DROP TABLE tee_ratings; DROP TABLE round_details");
    }
}

std::unique_ptr<DataControl> TestScorebook::open(const QString &table) const
{
    auto data = std::make_unique<DataControl>();
    data->setDatabaseName(path_);
    data->setRecordSource(table);
    data->refresh();
    return data;
}

void TestScorebook::addGolfer(const QString &name)
{
    insert(*database_, "INSERT INTO golfers (golfer_name) VALUES (?)", name.toStdString());
}

void TestScorebook::addCourse(const QString &name)
{
    QStringList strokeIndex;
    for (int hole = 1; hole <= 18; ++hole) {
        strokeIndex.append(QString::number(hole));
    }
    insertWithHoles(*database_, "courseinfo", "course_name, course_size", {name, QStringLiteral("True")}, strokeIndex);
}

qint64 TestScorebook::addRound(const QString &golfer, const QString &course, const QStringList &strokes)
{
    return insertWithHoles(*database_, "rounds", "golfer_name, course_name", {golfer, course}, strokes);
}

qint64 TestScorebook::addRound(const QString &golfer, const QString &course, int gross)
{
    return addRound(golfer, course, strokesText(gross));
}

void TestScorebook::addDetails(qint64 recordNo, const QString &tee, const QString &playedOn, int pcc)
{
    insert(*database_, "INSERT INTO round_details (record_no, tee, played_on, pcc) VALUES (?, ?, ?, ?)",
           static_cast<int64_t>(recordNo), tee.toStdString(), playedOn.toStdString(), pcc);
}

void TestScorebook::addRating(const QString &course, const QString &tee, double rating, int slope)
{
    insert(*database_, "INSERT INTO tee_ratings (course_name, tee, course_rating, slope_rating) VALUES (?, ?, ?, ?)",
           course.toStdString(), tee.toStdString(), rating, slope);
}

void addNamed(DataControl &records, const QString &field, const QStringList &names)
{
    for (const QString &name : names) {
        records.addNew();
        records.setField(field, name);
        records.update();
    }
}

QStringList strokesText(int gross)
{
    QStringList strokes;
    for (const int hole : handicap_rounds::strokesForGross(gross)) {
        strokes.append(QString::number(hole));
    }
    return strokes;
}
