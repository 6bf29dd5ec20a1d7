#include "core/exchange/csv_export.h"

#include "core/exchange/course_ratings.h"
#include "core/exchange/csv_writer.h"
#include "core/exchange/round_rows.h"
#include "core/exchange/row_query.h"
#include "core/exchange/scorebook_tables.h"
#include "core/exchange/stored_value.h"
#include "core/scorebook/golfer_match.h"

#include <QSaveFile>

#include <SQLiteCpp/Transaction.h>

namespace exchange {

namespace {

constexpr qint64 progressStep = 4096;

// What one kind's file holds: its header, its rows and what follows the
// stored columns of each row.
struct Sheet
{
    std::vector<std::string> header;
    std::string filter;
    int storedCount = 0;
    std::function<void(CsvWriter &, sqlite3_stmt *)> writeExtra;
};

std::vector<std::string> namesOf(const std::vector<Column> &columns)
{
    std::vector<std::string> names;
    for (const Column &column : columns) {
        names.push_back(column.name);
    }
    return names;
}

Sheet coursesSheet(SQLite::Database &scorebook)
{
    Sheet sheet;
    const std::vector<Column> stored = storedColumns(scorebook, "courseinfo");
    sheet.header = namesOf(stored);
    sheet.storedCount = int(sheet.header.size());
    const int nameColumn = columnIndex(stored, "course_name");
    auto ratings = std::make_shared<CourseRatings>(scorebook);
    const std::vector<std::string> tees = ratings->tees();
    for (const std::string &tee : tees) {
        sheet.header.push_back(courseRatingColumn(tee));
        sheet.header.push_back(slopeRatingColumn(tee));
    }
    sheet.writeExtra = [ratings, tees, nameColumn](CsvWriter &writer, sqlite3_stmt *row) {
        std::string name;
        const bool named = storedText(row, nameColumn, name);
        const std::string course = trimBlanks(name);
        for (const std::string &tee : tees) {
            const TeeRating *rating = named ? ratings->find(course, tee) : nullptr;
            if (rating) {
                writer.addText(rating->courseRating);
                writer.addText(rating->slopeRating);
            } else {
                writer.addAbsent();
                writer.addAbsent();
            }
        }
    };
    return sheet;
}

Sheet sheetFor(SQLite::Database &scorebook, const ExportRequest &request)
{
    switch (request.kind) {
    case Kind::Rounds: {
        Sheet sheet;
        sheet.header = namesOf(roundColumns(scorebook));
        sheet.storedCount = int(sheet.header.size());
        sheet.filter = request.golfer.isEmpty() ? "" : " WHERE " + sameTrimmedGolfer("r.golfer_name");
        return sheet;
    }
    case Kind::Courses:
        return coursesSheet(scorebook);
    case Kind::Golfers:
        break;
    }
    Sheet sheet;
    sheet.header = namesOf(storedColumns(scorebook, "golfers"));
    sheet.storedCount = int(sheet.header.size());
    return sheet;
}

std::string rowsSql(SQLite::Database &scorebook, Kind kind, const std::string &filter)
{
    if (kind == Kind::Rounds) {
        return roundRowsSql(scorebook, filter);
    }
    return std::string("SELECT * FROM ") + tableOf(kind) + " ORDER BY rowid";
}

qint64 countRows(SQLite::Database &scorebook, Kind kind, const std::string &filter, const std::string &golfer)
{
    RowQuery count(scorebook.getHandle(), std::string("SELECT count(*) FROM ") + tableOf(kind) + " r" + filter);
    if (!filter.empty()) {
        count.bindText(1, golfer);
    }
    count.step();
    return sqlite3_column_int64(count.row(), 0);
}

ExportOutcome failed(const QString &error)
{
    return {ExportOutcome::Status::Failed, 0, error};
}

} // namespace

ExportOutcome exportCsv(const QString &scorebookPath, const ExportRequest &request, const Progress &progress)
{
    const OpenScorebook opened = openScorebook(scorebookPath, false);
    if (!opened.database) {
        return failed(opened.problem);
    }
    SQLite::Database &scorebook = *opened.database;
    try {
        // One read transaction: a program writing meanwhile cannot tear the file.
        SQLite::Transaction reading(scorebook);
        const Sheet sheet = sheetFor(scorebook, request);
        const std::string golfer = request.golfer.trimmed().toStdString();
        const qint64 total = countRows(scorebook, request.kind, sheet.filter, golfer);
        RowQuery rows(scorebook.getHandle(), rowsSql(scorebook, request.kind, sheet.filter));
        if (!sheet.filter.empty()) {
            rows.bindText(1, golfer);
        }

        QSaveFile file(request.csvPath);
        if (!file.open(QIODevice::WriteOnly)) {
            return failed(QStringLiteral("%1 cannot be written: %2").arg(request.csvPath, file.errorString()));
        }
        CsvWriter writer(file);
        for (const std::string &name : sheet.header) {
            writer.addText(name);
        }
        writer.endRecord();
        qint64 done = 0;
        while (rows.step()) {
            for (int column = 0; column < sheet.storedCount; ++column) {
                writeStored(writer, rows.row(), column);
            }
            if (sheet.writeExtra) {
                sheet.writeExtra(writer, rows.row());
            }
            writer.endRecord();
            if (++done % progressStep == 0 && progress && !progress(done, total)) {
                return {ExportOutcome::Status::Cancelled, done, {}}; // QSaveFile drops the unfinished file
            }
        }
        if (!writer.flush() || !file.commit()) {
            return failed(QStringLiteral("%1 cannot be written: %2").arg(request.csvPath, file.errorString()));
        }
        if (progress) {
            progress(done, done);
        }
        return {ExportOutcome::Status::Done, done, {}};
    } catch (const SQLite::Exception &e) {
        return failed(
            QStringLiteral("the scorebook %1 cannot be read: %2").arg(scorebookPath, QString::fromUtf8(e.what())));
    }
}

} // namespace exchange
