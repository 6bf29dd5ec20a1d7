#include "core/scorebook/scorebook_file.h"

#include "core/scorebook/scorebook_layout.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>

#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Statement.h>

#include <sqlite3.h>

namespace scorebook {

namespace {

QString schemaText()
{
    QFile file(QStringLiteral(":/data/schema.sql"));
    file.open(QIODevice::ReadOnly);
    return QString::fromUtf8(file.readAll());
}

// table name -> its column names, read from the schema file of the project.
QList<QPair<QString, QStringList>> expectedTables()
{
    QList<QPair<QString, QStringList>> tables;
    static const QRegularExpression tablePattern(QStringLiteral("CREATE TABLE (\\w+) \\(([^;]*)\\);"));
    static const QRegularExpression columnPattern(QStringLiteral("(\\w+) (INTEGER|TEXT|BOOLEAN)"));
    auto found = tablePattern.globalMatch(schemaText());
    while (found.hasNext()) {
        const auto table = found.next();
        QStringList columns;
        auto column = columnPattern.globalMatch(table.captured(2));
        while (column.hasNext()) {
            columns.append(column.next().captured(1));
        }
        tables.append({table.captured(1), columns});
    }
    return tables;
}

} // namespace

Check inspect(const QString &path)
{
    if (!QFileInfo::exists(path)) {
        return {Health::Missing, QStringLiteral("The file is not there.")};
    }
    try {
        SQLite::Database db(path.toStdString(), SQLite::OPEN_READONLY);
        for (const auto &[table, columns] : expectedTables()) {
            SQLite::Statement info(db, "SELECT name FROM pragma_table_info(?)");
            info.bind(1, table.toStdString());
            QSet<QString> present;
            while (info.executeStep()) {
                present.insert(QString::fromStdString(info.getColumn(0).getString()));
            }
            if (present.isEmpty()) {
                return {Health::Unreadable, QStringLiteral("It has no table \"%1\".").arg(table)};
            }
            for (const QString &column : columns) {
                if (!present.contains(column)) {
                    return {Health::Unreadable,
                            QStringLiteral("Its table \"%1\" has no field \"%2\".").arg(table, column)};
                }
            }
        }
    } catch (const SQLite::Exception &e) {
        return {Health::Unreadable,
                QStringLiteral("It is not a scorebook database (%1).").arg(QString::fromUtf8(e.what()))};
    }
    return {};
}

QString createEmpty(const QString &path)
{
    const QString folderPath = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folderPath)) {
        return QStringLiteral("The folder could not be made.");
    }
    const QFileInfo folder(folderPath);
    if (!folder.isWritable()) {
        return QStringLiteral("The folder is read-only: no new file can be made in it.");
    }
    // Built aside and moved into place, so a half-written scorebook is never
    // left behind and an existing file is never replaced.
    const QString building = path + QStringLiteral(".new");
    QFile::remove(building);
    try {
        SQLite::Database db(building.toStdString(), SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE);
        db.exec(schemaText().toStdString());
        // A new scorebook starts with every later part of the layout, so it never needs a backup for them.
        for (const LayoutStep &step : layoutSteps()) {
            db.exec(step.addStatement);
        }
    } catch (const SQLite::Exception &e) {
        QFile::remove(building);
        return (e.getErrorCode() & 0xff) == SQLITE_FULL
            ? QStringLiteral("The disk is full.")
            : QStringLiteral("The new file could not be written there (the folder may be read-only or full).");
    }
    if (!QFile::rename(building, path)) {
        QFile::remove(building);
        return QFileInfo::exists(path) ? QStringLiteral("A file of that name is already there.")
                                       : QStringLiteral("The folder does not accept new files.");
    }
    return {};
}

} // namespace scorebook
