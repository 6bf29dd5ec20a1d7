#include "core/exchange/scorebook_tables.h"

#include "core/handicap/handicap_source.h"

#include <QFileInfo>

#include <SQLiteCpp/Statement.h>

namespace exchange {

namespace {

bool declaresNumber(std::string type)
{
    for (char &c : type) {
        c = char(std::toupper(static_cast<unsigned char>(c)));
    }
    // SQLite's rules for integer and real affinity.
    for (const char *word : {"INT", "REAL", "FLOA", "DOUB"}) {
        if (type.find(word) != std::string::npos) {
            return true;
        }
    }
    return false;
}

} // namespace

const char *tableOf(Kind kind)
{
    switch (kind) {
    case Kind::Rounds:
        return "rounds";
    case Kind::Courses:
        return "courseinfo";
    case Kind::Golfers:
        return "golfers";
    }
    return "";
}

std::vector<Column> storedColumns(SQLite::Database &scorebook, const char *table)
{
    SQLite::Statement query(scorebook, std::string("SELECT name, type FROM pragma_table_info(?) ORDER BY cid"));
    query.bind(1, table);
    std::vector<Column> columns;
    while (query.executeStep()) {
        columns.push_back({query.getColumn(0).getString(), declaresNumber(query.getColumn(1).getString())});
    }
    return columns;
}

bool hasTable(SQLite::Database &scorebook, const char *table)
{
    SQLite::Statement query(scorebook, "SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = ?");
    query.bind(1, table);
    return query.executeStep();
}

int columnIndex(const std::vector<Column> &columns, const std::string &name)
{
    for (std::size_t i = 0; i < columns.size(); ++i) {
        if (columns[i].name == name) {
            return int(i);
        }
    }
    return -1;
}

std::string insertSql(const char *table, const std::vector<Column> &columns, int count)
{
    std::string names;
    std::string parameters;
    for (int i = 0; i < count; ++i) {
        names += (i ? ", \"" : "\"") + columns[i].name + "\"";
        parameters += i ? ", ?" : "?";
    }
    return std::string("INSERT INTO ") + table + " (" + names + ") VALUES (" + parameters + ")";
}

std::string trimBlanks(const std::string &text)
{
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

OpenScorebook openScorebook(const QString &path, bool forWriting)
{
    if (!QFileInfo(path).isFile()) {
        return {nullptr, QStringLiteral("there is no scorebook at %1").arg(path)};
    }
    try {
        // One thread uses the connection: SQLite's own locking would cost a lock per value read.
        const int mode = (forWriting ? SQLite::OPEN_READWRITE : SQLite::OPEN_READONLY) | SQLite::OPEN_NOMUTEX;
        auto database = std::make_unique<SQLite::Database>(path.toStdString(), mode);
        database->setBusyTimeout(5000);
        const QString problem = handicap::scorebookProblem(*database);
        if (!problem.isEmpty()) {
            return {nullptr, QStringLiteral("%1 is not a scorebook: %2").arg(path, problem)};
        }
        return {std::move(database), {}};
    } catch (const SQLite::Exception &e) {
        return {nullptr,
                QStringLiteral("the scorebook %1 cannot be opened: %2").arg(path, QString::fromUtf8(e.what()))};
    }
}

} // namespace exchange
