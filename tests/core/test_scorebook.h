#pragma once

#include "core/scorebook/datgolf.h"

#include <QList>
#include <QString>
#include <QTemporaryDir>

#include <SQLiteCpp/Database.h>

#include <memory>

// A scorebook in a temporary folder, made as the program makes a new one, without the
// handicap's two tables when asked; rows are written as text.
class TestScorebook
{
public:
    explicit TestScorebook(bool withHandicapTables = true);

    QString path() const { return path_; }
    SQLite::Database &database() { return *database_; }
    // A file beside the scorebook.
    QString filePath(const QString &name) const { return folder_.filePath(name); }
    // A record set over one table, read from its start, as a window opens one.
    std::unique_ptr<DataControl> open(const QString &table) const;

    void addGolfer(const QString &name);
    void addCourse(const QString &name); // eighteen holes of par 4, hole n has stroke index n
    // Returns the round's record number. Pars are 4 on every hole.
    qint64 addRound(const QString &golfer, const QString &course, const QStringList &strokes);
    qint64 addRound(const QString &golfer, const QString &course, int gross);
    void addDetails(qint64 recordNo, const QString &tee, const QString &playedOn, int pcc = 0);
    void addRating(const QString &course, const QString &tee, double rating, int slope);

private:
    QTemporaryDir folder_;
    QString path_;
    std::unique_ptr<SQLite::Database> database_;
};

// A record for each name added through the record set, one update each, as a window adds them.
void addNamed(DataControl &records, const QString &field, const QStringList &names);

// Fours, the first holes raised (or lowered) by up to two strokes to make the gross.
QStringList strokesText(int gross);
