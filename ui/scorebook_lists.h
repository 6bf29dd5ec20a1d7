#pragma once

struct AppContext;

// Reads the course cache and both name lists afresh from the scorebook, after
// records came in from outside (an import, a restored backup).
// Throws DatabaseError when the scorebook cannot be read.
void reloadScorebookLists(AppContext &context);
