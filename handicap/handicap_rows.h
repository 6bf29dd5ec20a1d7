#pragma once

#include "core/handicap/handicap_types.h"

#include <QString>
#include <QStringList>

#include <vector>

// What the handicap window shows of a computation, as texts: the index and
// why there is none, and one row per round, counted or not.
namespace handicap_rows {

// The most recent counted rounds shown with their working.
constexpr int shownCountedRounds = 20;

QStringList countedHeaders();
QStringList notCountedHeaders();

// "12.3", "+1.2", or "none".
QString indexValue(const handicap::HandicapResult &result);
// Why there is no index yet, e.g. "3 rounds of 18 holes from rated tees are needed; 1 so far"; empty with an index.
QString indexNote(const handicap::HandicapResult &result);
// The low index of the caps, or "none before the 20th counted round".
QString lowIndexValue(const handicap::HandicapResult &result);

// The most recent counted rounds, oldest first, one text per header.
std::vector<QStringList> countedRows(const handicap::HandicapResult &result);
// Every round not counted, in listed order, with its reason.
std::vector<QStringList> notCountedRows(const handicap::HandicapResult &result);

} // namespace handicap_rows
