#include "core/scorebook/datgolf.h"

#include "core/records/text_rules.h"
#include "core/scorebook/database_error.h"
#include "core/scorebook/golfer_match.h"
#include "core/scorebook/scorebook_connection.h"

#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Statement.h>
#include <SQLiteCpp/Transaction.h>

#include <sqlite3.h>

namespace {

const QStringList KnownTables = {QStringLiteral("courseinfo"), QStringLiteral("golfers"), QStringLiteral("rounds")};

// Runs engine work and turns its exceptions into plain-words errors.
template<typename Work> auto guarded(Work &&work) -> decltype(work())
{
    try {
        return work();
    } catch (const SQLite::Exception &e) {
        throw databaseErrorFrom(e);
    }
}

// Text goes to the engine as UTF-8, which cannot carry a broken UTF-16 code
// (it would arrive as "?" and match other names), so such text is refused.
std::string boundText(const QString &value)
{
    if (!value.isValidUtf16()) {
        throw DatabaseError(QStringLiteral("A name holds a broken character, so it cannot be stored or looked up. "
                                           "Please type it again."));
    }
    return value.toStdString();
}

std::string quotedIdentifier(const QString &name)
{
    QString escaped = name;
    escaped.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return (QLatin1Char('"') + escaped + QLatin1Char('"')).toStdString();
}

} // namespace

DataControl::DataControl() = default;
DataControl::~DataControl() = default;

void DataControl::setDatabaseName(const QString &path)
{
    m_path = path;
}

void DataControl::setRecordSource(const QString &table)
{
    m_table = table;
}

SQLite::Database &DataControl::connection() const
{
    if (!m_db) {
        throw DatabaseError(QStringLiteral("The scorebook is not open."));
    }
    return *m_db;
}

void DataControl::requireTable() const
{
    if (m_columns.isEmpty()) {
        throw DatabaseError(QStringLiteral("No table of the scorebook is open."));
    }
}

void DataControl::refresh()
{
    if (!KnownTables.contains(m_table)) {
        throw DatabaseError(QStringLiteral("The scorebook has no table named \"%1\".").arg(m_table));
    }
    if (!m_db || m_openPath != m_path) {
        m_db = openScorebookConnection(m_path);
        m_openPath = m_path;
    }
    guarded([this] {
        m_columns.clear();
        m_isYesNo.clear();
        m_columnByName.clear();
        SQLite::Statement info(*m_db, "SELECT name, type FROM pragma_table_info(?)");
        info.bind(1, m_table.toStdString());
        while (info.executeStep()) {
            const QString name = QString::fromStdString(info.getColumn(0).getString());
            m_columnByName.insert(name, int(m_columns.size()));
            m_columns.append(name);
            m_isYesNo.append(QString::fromStdString(info.getColumn(1).getString())
                                 .compare(QLatin1String("BOOLEAN"), Qt::CaseInsensitive)
                             == 0);
        }
    });
    if (m_columns.isEmpty()) {
        throw DatabaseError(QStringLiteral("The table \"%1\" is missing from the scorebook.").arg(m_table));
    }
    forgetRecordSet();
    m_position = 0;
}

const QVector<qint64> &DataControl::rowIds() const
{
    // Read only when a position is needed: adding a round or counting records
    // must not walk a table of a hundred thousand rounds.
    if (!m_rowIds) {
        m_rowIds = guarded([this] {
            QVector<qint64> ids;
            SQLite::Statement statement(connection(),
                                        "SELECT rowid FROM " + quotedIdentifier(m_table) + " ORDER BY rowid");
            while (statement.executeStep()) {
                ids.append(statement.getColumn(0).getInt64());
            }
            return ids;
        });
    }
    return *m_rowIds;
}

int DataControl::recordCount() const
{
    if (m_rowIds) {
        return int(m_rowIds->size());
    }
    if (!m_countOnly) {
        m_countOnly = guarded([this] {
            SQLite::Statement count(connection(), "SELECT count(*) FROM " + quotedIdentifier(m_table));
            count.executeStep();
            return count.getColumn(0).getInt();
        });
    }
    return *m_countOnly;
}

bool DataControl::isEmpty() const
{
    if (m_rowIds || m_countOnly) {
        return recordCount() == 0;
    }
    return guarded([this] {
        SQLite::Statement any(connection(), "SELECT 1 FROM " + quotedIdentifier(m_table) + " LIMIT 1");
        return !any.executeStep();
    });
}

void DataControl::moveFirst()
{
    m_position = 0;
    m_currentDeleted = false;
}

void DataControl::moveNext()
{
    if (m_currentDeleted) {
        // The deleted record's place is already taken by its successor.
        m_currentDeleted = false;
        return;
    }
    if (m_position < rowIds().size()) {
        ++m_position;
    }
}

void DataControl::moveLast()
{
    m_position = rowIds().isEmpty() ? 0 : int(rowIds().size()) - 1;
    m_currentDeleted = false;
}

bool DataControl::atEnd() const
{
    return m_position >= rowIds().size();
}

int DataControl::columnIndex(const QString &name) const
{
    const auto found = m_columnByName.constFind(name);
    if (found == m_columnByName.constEnd()) {
        throw DatabaseError(QStringLiteral("The table \"%1\" has no field named \"%2\".").arg(m_table, name));
    }
    return found.value();
}

QString DataControl::columnText(const SQLite::Statement &statement, int field, int column) const
{
    const SQLite::Column value = statement.getColumn(column);
    if (value.isNull()) {
        return QString();
    }
    if (m_isYesNo.value(field) && (value.isInteger() || value.isFloat())) {
        return value.getDouble() != 0.0 ? QStringLiteral("True") : QStringLiteral("False");
    }
    if (value.isFloat()) {
        return text::plainNumber(value.getDouble());
    }
    return QString::fromStdString(value.getString());
}

const QStringList &DataControl::currentRecord() const
{
    constexpr int ReadAhead = 256;
    if (atEnd() || m_currentDeleted) {
        throw DatabaseError(QStringLiteral("There is no current record in \"%1\".").arg(m_table));
    }
    const int offset = m_position - m_blockFirst;
    if (offset >= 0 && offset < m_block.size()) {
        return m_block.at(offset);
    }
    m_block = readRows(m_position, ReadAhead);
    m_blockFirst = m_position;
    if (m_block.isEmpty() || m_block.first().size() != m_columns.size()) {
        m_block.clear();
        throw DatabaseError(
            QStringLiteral("A record of \"%1\" was removed by another copy of the program.").arg(m_table));
    }
    return m_block.first();
}

QString DataControl::field(const QString &name) const
{
    const int column = columnIndex(name);
    if (m_editMode != EditMode::None && m_pending.contains(name)) {
        return m_pending.value(name);
    }
    return currentRecord().at(column);
}

void DataControl::setField(const QString &name, const QString &value)
{
    columnIndex(name);
    if (m_editMode == EditMode::None) {
        throw DatabaseError(QStringLiteral("A field of \"%1\" was changed outside an edit.").arg(m_table));
    }
    m_pending.insert(name, value);
}

void DataControl::addNew()
{
    requireTable();
    m_editMode = EditMode::Adding;
    m_pending.clear();
}

void DataControl::edit()
{
    currentRecord();
    m_editMode = EditMode::Editing;
    m_pending.clear();
}

void DataControl::bindValue(SQLite::Statement &statement, int parameter, const QString &column,
                            const QString &value) const
{
    if (m_isYesNo.value(columnIndex(column))) {
        statement.bind(parameter, text::truthValue(value) ? 1 : 0);
    } else {
        statement.bind(parameter, boundText(value));
    }
}

void DataControl::update()
{
    if (m_editMode == EditMode::None) {
        throw DatabaseError(QStringLiteral("Nothing of \"%1\" is being added or changed.").arg(m_table));
    }
    const QStringList names = m_pending.keys();
    if (names.isEmpty() && m_editMode == EditMode::Editing) {
        m_editMode = EditMode::None; // nothing was changed, so nothing is written
        return;
    }
    std::string sql;
    if (m_editMode == EditMode::Adding) {
        std::string columns;
        std::string marks;
        for (const QString &name : names) {
            columns += (columns.empty() ? "" : ", ") + quotedIdentifier(name);
            marks += marks.empty() ? "?" : ", ?";
        }
        sql = names.isEmpty()
            ? "INSERT INTO " + quotedIdentifier(m_table) + " DEFAULT VALUES"
            : "INSERT INTO " + quotedIdentifier(m_table) + " (" + columns + ") VALUES (" + marks + ")";
    } else {
        std::string assignments;
        for (const QString &name : names) {
            assignments += (assignments.empty() ? "" : ", ") + quotedIdentifier(name) + " = ?";
        }
        sql = "UPDATE " + quotedIdentifier(m_table) + " SET " + assignments + " WHERE rowid = ?";
    }
    guarded([&] {
        SQLite::Statement statement(connection(), sql);
        int parameter = 1;
        for (const QString &name : names) {
            bindValue(statement, parameter++, name, m_pending.value(name));
        }
        if (m_editMode == EditMode::Editing) {
            statement.bind(parameter, static_cast<int64_t>(rowIds()[m_position]));
        }
        if (!names.isEmpty() || m_editMode == EditMode::Adding) {
            statement.exec();
        }
    });
    if (m_editMode == EditMode::Adding) {
        // The new record joins the open record set at its end.
        if (m_rowIds) {
            m_rowIds->append(connection().getLastInsertRowid());
        }
        m_countOnly.reset();
        m_knownRowIds.clear();
    }
    m_editMode = EditMode::None;
    m_pending.clear();
    forgetReadAhead();
}

void DataControl::deleteCurrent()
{
    if (atEnd() || m_currentDeleted) {
        throw DatabaseError(QStringLiteral("There is no current record in \"%1\" to delete.").arg(m_table));
    }
    guarded([this] {
        SQLite::Statement statement(connection(), "DELETE FROM " + quotedIdentifier(m_table) + " WHERE rowid = ?");
        statement.bind(1, static_cast<int64_t>(rowIds()[m_position]));
        statement.exec();
    });
    m_rowIds->removeAt(m_position);
    m_knownRowIds.clear();
    m_currentDeleted = true;
    forgetReadAhead();
}

void DataControl::findFrom(int startPosition, const QString &fieldName, const QString &name)
{
    columnIndex(fieldName);
    const qint64 afterRowId = startPosition > 0 ? rowIds()[startPosition - 1] : std::numeric_limits<qint64>::min();
    const qint64 found = guarded([&]() -> qint64 {
        SQLite::Statement find(connection(),
                               "SELECT rowid FROM " + quotedIdentifier(m_table) + " WHERE "
                                   + quotedIdentifier(fieldName)
                                   + " = ? COLLATE NAMECASE AND rowid > ? ORDER BY rowid LIMIT 1");
        find.bind(1, boundText(name));
        find.bind(2, static_cast<int64_t>(afterRowId));
        return find.executeStep() ? find.getColumn(0).getInt64() : -1;
    });
    const int position = found < 0 ? -1 : int(rowIds().indexOf(found));
    m_noMatch = position < 0;
    if (!m_noMatch) {
        m_position = position;
        m_currentDeleted = false;
    }
}

void DataControl::findFirst(const QString &fieldName, const QString &name)
{
    findFrom(0, fieldName, name);
}

void DataControl::findNext(const QString &fieldName, const QString &name)
{
    findFrom(atEnd() ? int(rowIds().size()) : m_position + 1, fieldName, name);
}

void DataControl::inTransaction(const std::function<void()> &changes)
{
    SQLite::Transaction transaction = guarded([this] { return SQLite::Transaction(connection()); });
    try {
        changes();
        guarded([&] { transaction.commit(); });
    } catch (...) {
        // The rollback undoes what the record set remembers too.
        forgetRecordSet();
        throw;
    }
}

void DataControl::forgetRecordSet()
{
    m_knownRowIds.clear();
    m_rowIds.reset();
    m_countOnly.reset();
    m_currentDeleted = false;
    m_editMode = EditMode::None;
    m_pending.clear();
    forgetReadAhead();
}

void DataControl::deleteRoundsOwnedBy(const QString &ownerKey)
{
    // Capitals map one character to one, so an owner has a name of the key's
    // length, and only plain letters raise to plain capitals (but for two old
    // letters, which count as unusual): each query below reaches its rounds
    // through an index, and the owner key decides.
    const std::string key = boundText(ownerKey);
    guarded([&] {
        SQLite::Statement plain(connection(),
                                "DELETE FROM rounds WHERE trim(golfer_name, ' ') = ?1 COLLATE NOCASE "
                                "AND owner_key(golfer_name) = ?1");
        plain.bind(1, key);
        plain.exec();
        SQLite::Statement unusual(connection(),
                                  "DELETE FROM rounds WHERE golfer_name GLOB '*[^ -~]*' "
                                  "AND length(trim(golfer_name, ' ')) = ?2 AND owner_key(golfer_name) = ?1");
        unusual.bind(1, key);
        unusual.bind(2, static_cast<int>(ownerKey.toUcs4().size()));
        unusual.exec();
    });
}

QStringList DataControl::rowValues(const SQLite::Statement &statement, int firstColumn) const
{
    QStringList values;
    values.reserve(statement.getColumnCount() - firstColumn);
    for (int c = firstColumn; c < statement.getColumnCount(); ++c) {
        values.append(columnText(statement, c - firstColumn, c));
    }
    return values;
}

QVector<QStringList> DataControl::readRows(int first, int count) const
{
    const QVector<qint64> &ids = rowIds();
    const int last = std::min<int>(first + count, int(ids.size())) - 1;
    if (first < 0 || last < first) {
        return {};
    }
    return guarded([&] {
        SQLite::Statement rows(connection(),
                               "SELECT rowid, * FROM " + quotedIdentifier(m_table)
                                   + " WHERE rowid BETWEEN ? AND ? ORDER BY rowid");
        rows.bind(1, static_cast<int64_t>(ids[first]));
        rows.bind(2, static_cast<int64_t>(ids[last]));
        // Aligned with the record set: a record removed meanwhile by another copy stays empty.
        QVector<QStringList> block(last - first + 1);
        int position = first;
        while (rows.executeStep() && position <= last) {
            const qint64 rowId = rows.getColumn(0).getInt64();
            while (position <= last && ids[position] < rowId) {
                ++position;
            }
            if (position <= last && ids[position] == rowId) {
                block[position - first] = rowValues(rows, 1);
            }
        }
        return block;
    });
}

qint64 DataControl::rowIdAt(int position) const
{
    if (m_rowIds) {
        return (*m_rowIds)[position];
    }
    if (m_knownRowIds.empty()) {
        const int count = recordCount();
        if (count == 0) {
            return -1;
        }
        guarded([&] {
            // Two queries: each end alone is a single step down the tree, both in one a scan.
            const std::string table = quotedIdentifier(m_table);
            m_knownRowIds[0] = connection().execAndGet("SELECT min(rowid) FROM " + table).getInt64();
            m_knownRowIds[count - 1] = connection().execAndGet("SELECT max(rowid) FROM " + table).getInt64();
        });
    }
    const auto above = m_knownRowIds.lower_bound(position);
    if (above != m_knownRowIds.end() && above->first == position) {
        return above->second;
    }
    // Walk from the nearer known position; rows are in row id order.
    const bool fromBelow = above == m_knownRowIds.end()
        || (above != m_knownRowIds.begin() && position - std::prev(above)->first <= above->first - position);
    const auto start = fromBelow ? std::prev(above) : above;
    const int steps = fromBelow ? position - start->first : start->first - position;
    const std::string sql = fromBelow ? " WHERE rowid > ? ORDER BY rowid LIMIT 1 OFFSET ?"
                                      : " WHERE rowid < ? ORDER BY rowid DESC LIMIT 1 OFFSET ?";
    const qint64 found = guarded([&]() -> qint64 {
        SQLite::Statement walk(connection(), "SELECT rowid FROM " + quotedIdentifier(m_table) + sql);
        walk.bind(1, static_cast<int64_t>(start->second));
        walk.bind(2, steps - 1);
        return walk.executeStep() ? walk.getColumn(0).getInt64() : -1;
    });
    if (found >= 0) {
        m_knownRowIds[position] = found;
    }
    return found;
}

QVector<QStringList> DataControl::readPage(int first, int count) const
{
    const int last = std::min(first + count, recordCount()) - 1;
    if (first < 0 || last < first) {
        return {};
    }
    const qint64 firstRowId = rowIdAt(first);
    if (firstRowId < 0) {
        return {};
    }
    return guarded([&] {
        SQLite::Statement rows(connection(),
                               "SELECT rowid, * FROM " + quotedIdentifier(m_table)
                                   + " WHERE rowid >= ? ORDER BY rowid LIMIT ?");
        rows.bind(1, static_cast<int64_t>(firstRowId));
        rows.bind(2, last - first + 1);
        QVector<QStringList> page;
        qint64 lastRowId = firstRowId;
        while (rows.executeStep()) {
            lastRowId = rows.getColumn(0).getInt64();
            page.append(rowValues(rows, 1));
        }
        if (!page.isEmpty()) {
            m_knownRowIds[first + int(page.size()) - 1] = lastRowId;
        }
        // Rows removed meanwhile by another program leave the page's end blank.
        page.resize(last - first + 1);
        return page;
    });
}

QVector<QStringList> DataControl::roundsPlayedBy(const QString &golfer, const QString &course) const
{
    return guarded([&] {
        SQLite::Statement rows(connection(),
                               "SELECT * FROM rounds WHERE " + sameTrimmedGolfer("golfer_name")
                                   + " AND trim(course_name, ' ') = ? ORDER BY rowid");
        rows.bind(1, boundText(golfer));
        rows.bind(2, boundText(course));
        QVector<QStringList> found;
        while (rows.executeStep()) {
            found.append(rowValues(rows, 0));
        }
        return found;
    });
}
