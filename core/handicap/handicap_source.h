#pragma once

#include "core/handicap/handicap_types.h"

#include <QString>

#include <SQLiteCpp/Database.h>

// Reads what the handicap of one golfer needs from an open scorebook. Names
// are bound as parameters and compared exactly, blanks around them removed.
namespace handicap {

// What keeps the file from being read as a scorebook, in plain words; empty
// when it is one. Never throws.
QString scorebookProblem(SQLite::Database &scorebook);

bool hasGolfer(SQLite::Database &scorebook, const QString &golfer);

// The golfer's rounds, every course and every tee rating. A scorebook without
// the tables of ratings or round details gives none of them.
// Throws SQLite::Exception when a table lacks a field it reads.
HandicapInputs readHandicapInputs(SQLite::Database &scorebook, const QString &golfer);

} // namespace handicap
