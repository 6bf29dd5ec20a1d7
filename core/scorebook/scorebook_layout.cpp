#include "core/scorebook/scorebook_layout.h"

#include "core/scorebook/database_error.h"
#include "core/scorebook/scorebook_backup.h"
#include "core/scorebook/scorebook_connection.h"

#include <QFileInfo>

#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Statement.h>
#include <SQLiteCpp/Transaction.h>

#include <sqlite3.h>

namespace scorebook {

namespace {

bool isPresent(SQLite::Database &db, const LayoutStep &step)
{
    SQLite::Statement query(db, step.presentQuery);
    return query.executeStep();
}

QString plainProblem(const SQLite::Exception &e)
{
    return databaseErrorFrom(e).message();
}

} // namespace

const std::vector<LayoutStep> &layoutSteps()
{
    static const std::vector<LayoutStep> steps = {
        {"SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = 'tee_ratings'",
         "CREATE TABLE IF NOT EXISTS tee_ratings (course_name TEXT NOT NULL, tee TEXT NOT NULL, "
         "course_rating REAL NOT NULL, slope_rating INTEGER NOT NULL, PRIMARY KEY (course_name, tee));"},
        {"SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = 'round_details'",
         "CREATE TABLE IF NOT EXISTS round_details (record_no INTEGER PRIMARY KEY, tee TEXT NOT NULL, "
         "played_on TEXT NOT NULL, pcc INTEGER NOT NULL DEFAULT 0);"},
        // A golfer's rounds, by the trimmed name in any letter case (the exact
        // comparison follows), and the rounds a deleted golfer may own: plain
        // names by letters in either case, names with other characters by their length.
        {"SELECT 1 FROM sqlite_master WHERE type = 'index' AND name = 'rounds_by_golfer_any_case'",
         "CREATE INDEX IF NOT EXISTS rounds_by_golfer_any_case ON rounds (trim(golfer_name, ' ') COLLATE NOCASE);",
         "rounds_by_golfer_any_case"},
        {"SELECT 1 FROM sqlite_master WHERE type = 'index' AND name = 'rounds_by_unusual_golfer'",
         "CREATE INDEX IF NOT EXISTS rounds_by_unusual_golfer ON rounds (length(trim(golfer_name, ' '))) "
         "WHERE golfer_name GLOB '*[^ -~]*';",
         "rounds_by_unusual_golfer"},
    };
    return steps;
}

void dropRoundIndexes(SQLite::Database &db)
{
    for (const LayoutStep &step : layoutSteps()) {
        if (step.index) {
            db.exec(std::string("DROP INDEX IF EXISTS ") + step.index);
        }
    }
}

void buildRoundIndexes(SQLite::Database &db)
{
    for (const LayoutStep &step : layoutSteps()) {
        if (step.index) {
            db.exec(step.addStatement);
        }
    }
}

QString backupPath(const QString &scorebookPath, const QDate &day)
{
    return scorebookPath + QStringLiteral(".bak-") + day.toString(QStringLiteral("yyyyMMdd"));
}

LayoutResult bringUpToDate(SQLite::Database &db, const QDate &day)
{
    if (sqlite3_db_readonly(db.getHandle(), "main") == 1) {
        return {LayoutOutcome::ReadOnly, {}};
    }
    try {
        // The read lock taken by the first check is held to the commit, so no
        // other copy of the program can change the file between the backup and
        // the change. (A write lock would keep the backup from reading it.)
        SQLite::Transaction transaction(db, SQLite::TransactionBehavior::DEFERRED);
        std::vector<const LayoutStep *> missing;
        for (const LayoutStep &step : layoutSteps()) {
            if (!isPresent(db, step)) {
                missing.push_back(&step);
            }
        }
        if (missing.empty()) {
            return {};
        }
        const QString backup = backupPath(QString::fromStdString(db.getFilename()), day);
        if (!QFileInfo::exists(backup)) {
            if (const QString failure = backUp(db, backup); !failure.isEmpty()) {
                return {LayoutOutcome::Failed, QStringLiteral("No backup could be made: %1").arg(failure)};
            }
        }
        for (const LayoutStep *step : missing) {
            db.exec(step->addStatement);
        }
        transaction.commit();
    } catch (const SQLite::Exception &e) {
        return {LayoutOutcome::Failed, plainProblem(e)};
    }
    return {LayoutOutcome::Updated, {}};
}

LayoutResult bringUpToDate(const QString &scorebookPath, const QDate &day)
{
    try {
        const auto db = openScorebookConnection(scorebookPath);
        return bringUpToDate(*db, day);
    } catch (const DatabaseError &error) {
        return {LayoutOutcome::Failed, error.message()};
    }
}

} // namespace scorebook
