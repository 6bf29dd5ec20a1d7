#pragma once

#include <QString>

struct AppContext;
class DataControl;
struct SharedState;
class QWidget;

// Adds every stored round of one golfer on one course to the statistics
// accumulators of the shared state. The names are matched against the stored
// ones with surrounding blanks removed, exactly (letter case counts). An empty
// rounds table is reported to the user; no match is silent. Throws
// DatabaseError when the scorebook refuses to be read.
void compute_stats(AppContext &context, QWidget *window, DataControl &data, const QString &course,
                   const QString &golfer);

// Adds the round held in round_record to the accumulators.
void add_round_stats(SharedState &state);
