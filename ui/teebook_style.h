#pragma once

#include <QString>

// The look every window of the program shares: a green card table, cream
// buttons with dark green edges, cream writing on the green. Labels that stand
// on the green carry the property onGreen; shadow copies of titles, shadow.
QString teebookStyleSheet();
