#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <QVector>

#include <functional>
#include <map>
#include <memory>
#include <optional>

namespace SQLite {
class Database;
class Statement;
} // namespace SQLite

// A window's connection to the scorebook: pointed at the file and one table at a
// time, with a record set over that table in the order the records were stored.
// Every value goes in and comes out as text. Refusals throw DatabaseError.
class DataControl
{
public:
    DataControl();
    ~DataControl();
    DataControl(const DataControl &) = delete;
    DataControl &operator=(const DataControl &) = delete;

    void setDatabaseName(const QString &path);
    QString databaseName() const { return m_path; }
    void setRecordSource(const QString &table);
    QString recordSource() const { return m_table; }

    // Re-reads the table; the first record is current.
    void refresh();

    void moveFirst();
    void moveNext();
    void moveLast();
    bool atEnd() const;
    int recordCount() const;
    // Whether the table holds no record, without counting a large one.
    bool isEmpty() const;

    QString field(const QString &name) const;
    void setField(const QString &name, const QString &value);

    void addNew();
    void edit();
    void update();
    void deleteCurrent();

    // Exact comparison of a text field with a name, letter case ignored, blanks
    // significant; the name is never read as a pattern.
    void findFirst(const QString &fieldName, const QString &name);
    void findNext(const QString &fieldName, const QString &name);
    bool noMatch() const { return m_noMatch; }

    // Runs several changes as one: all of them are stored or none.
    void inTransaction(const std::function<void()> &changes);

    // Deletes every round whose golfer has the given owner key (blanks trimmed, capitals).
    void deleteRoundsOwnedBy(const QString &ownerKey);

    // The records at positions [first, first + count) of the record set, each as its
    // fields' texts; a record removed meanwhile by another program comes back empty.
    QVector<QStringList> readRows(int first, int count) const;
    // The same for a view over a large table: the records are found from a few
    // known positions (the first, the last, pages read before) instead of
    // every row id, so the first and the last page of a million come at once.
    QVector<QStringList> readPage(int first, int count) const;
    QStringList fieldNames() const { return m_columns; }

    // The rounds whose golfer and course names, surrounding blanks removed, equal
    // the given ones exactly (letter case counts), in table order, as rows of readRows.
    QVector<QStringList> roundsPlayedBy(const QString &golfer, const QString &course) const;

private:
    enum class EditMode
    {
        None,
        Adding,
        Editing
    };

    SQLite::Database &connection() const;
    int columnIndex(const QString &name) const;
    const QStringList &currentRecord() const;
    void forgetReadAhead() { m_block.clear(); }
    void forgetRecordSet();
    QStringList rowValues(const SQLite::Statement &statement, int firstColumn) const;
    QString columnText(const SQLite::Statement &statement, int field, int column) const;
    void bindValue(SQLite::Statement &statement, int parameter, const QString &column, const QString &value) const;
    void findFrom(int startPosition, const QString &fieldName, const QString &name);
    void requireTable() const;

    QString m_path;
    QString m_table;
    std::unique_ptr<SQLite::Database> m_db;
    QString m_openPath;
    QStringList m_columns;
    QVector<bool> m_isYesNo;
    QHash<QString, int> m_columnByName;
    const QVector<qint64> &rowIds() const;
    qint64 rowIdAt(int position) const;
    mutable std::map<int, qint64> m_knownRowIds;
    mutable std::optional<QVector<qint64>> m_rowIds;
    mutable std::optional<int> m_countOnly;
    int m_position = 0;
    bool m_currentDeleted = false;
    bool m_noMatch = false;
    EditMode m_editMode = EditMode::None;
    QHash<QString, QString> m_pending;
    // Records are read ahead in blocks, so a pass over a table costs few queries.
    mutable QVector<QStringList> m_block;
    mutable int m_blockFirst = 0;
};
