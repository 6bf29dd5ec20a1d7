#include "core/exchange/import_target.h"

#include "core/exchange/course_ratings.h"
#include "core/exchange/courses_import.h"
#include "core/exchange/golfers_import.h"
#include "core/exchange/rounds_import.h"
#include "core/handicap/handicap_tables.h"

#include <set>

namespace exchange {

namespace {

const std::string courseRatingSuffix = courseRatingColumn("");

QString quoted(const std::string &text)
{
    return QStringLiteral("\"%1\"").arg(
        QString::fromUtf8(text.data(), qsizetype(std::min<std::size_t>(text.size(), 60))));
}

TargetForHeader refused(const std::vector<CsvField> &header, int column, const QString &why)
{
    return {nullptr, CsvProblem {header[column].line, column + 1, why}};
}

bool endsWith(const std::string &text, const std::string &suffix)
{
    return text.size() >= suffix.size() && text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0;
}

// Two columns a tee after the stored ones: TEE_course_rating, TEE_slope_rating.
TargetForHeader coursesFor(SQLite::Database &scorebook, const std::vector<CsvField> &header, int count)
{
    std::vector<std::string> tees;
    std::set<std::string> named;
    for (int column = int(storedColumns(scorebook, "courseinfo").size()); column < count; column += 2) {
        const std::string &name = header[column].text;
        if (!endsWith(name, courseRatingSuffix)) {
            return refused(header, column,
                           QStringLiteral("expected a tee's course rating (TEE%1), found %2")
                               .arg(QString::fromStdString(courseRatingSuffix), quoted(name)));
        }
        const std::string tee = name.substr(0, name.size() - courseRatingSuffix.size());
        if (!named.insert(tee).second) {
            return refused(header, column, QStringLiteral("the tee %1 has its columns twice").arg(quoted(tee)));
        }
        if (column + 1 == count || header[column + 1].text != slopeRatingColumn(tee)) {
            return refused(header, std::min(column + 1, count - 1),
                           QStringLiteral("expected %1 after %2").arg(quoted(slopeRatingColumn(tee)), quoted(name)));
        }
        tees.push_back(tee);
    }
    return {std::make_unique<CoursesImport>(scorebook, std::move(tees)), std::nullopt};
}

TargetForHeader targetOfKind(SQLite::Database &scorebook, const std::vector<CsvField> &header, int count)
{
    const std::string &first = header[0].text;
    if (first == storedColumns(scorebook, "rounds").front().name) {
        return {std::make_unique<RoundsImport>(scorebook), std::nullopt};
    }
    if (first == storedColumns(scorebook, "courseinfo").front().name) {
        return coursesFor(scorebook, header, count);
    }
    if (first == storedColumns(scorebook, "golfers").front().name) {
        return {std::make_unique<GolfersImport>(scorebook), std::nullopt};
    }
    return refused(header, 0,
                   QStringLiteral("the header of rounds, courses or golfers begins with record_no, course_id or "
                                  "golfer_name, not %1")
                       .arg(quoted(first)));
}

} // namespace

TargetForHeader targetForHeader(SQLite::Database &scorebook, const std::vector<CsvField> &header, int count)
{
    TargetForHeader found = targetOfKind(scorebook, header, count);
    if (!found.target) {
        return found;
    }
    const std::vector<Column> &columns = found.target->columns();
    const int expected = int(columns.size());
    for (int column = 0; column < std::min(count, expected); ++column) {
        if (header[column].text != columns[column].name) {
            return refused(
                header, column,
                QStringLiteral("expected %1, found %2").arg(quoted(columns[column].name), quoted(header[column].text)));
        }
    }
    if (count != expected) {
        return refused(header, std::min(count, expected) - 1,
                       QStringLiteral("the header of %1 has %2 fields, this one %3")
                           .arg(kindName(found.target->kind()))
                           .arg(expected)
                           .arg(count));
    }
    return found;
}

void ensureHandicapTables(SQLite::Database &scorebook)
{
    scorebook.exec(handicap::handicapTablesSql());
}

} // namespace exchange
