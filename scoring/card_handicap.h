#pragma once

#include "core/handicap/handicap_types.h"

#include <QString>

#include <memory>
#include <optional>
#include <vector>

namespace SQLite {
class Database;
}

// What the score card knows of the handicap: the chosen golfer's index and the
// chosen course's tee ratings, for the course handicap shown before saving,
// and the storing of a saved round's details.
class CardHandicap
{
public:
    explicit CardHandicap(const QString &scorebookPath);
    ~CardHandicap();

    // A golfer or course whose figures cannot be read has none: the card goes on without them.
    void chooseGolfer(const QString &golfer);
    void chooseCourse(const QString &course, int par);
    void forget();

    std::optional<int> courseHandicap(const QString &tee) const;

    // Throws DatabaseError, storing nothing.
    void storeDetails(qint64 recordNo, const handicap::RoundDetails &details);

private:
    SQLite::Database &scorebook();

    QString m_path;
    std::unique_ptr<SQLite::Database> m_scorebook;
    std::optional<int> m_index;
    std::vector<handicap::RatedTee> m_ratings;
    int m_par = 0;
};
