#pragma once

#include <QString>

namespace cli {

// The scorebook read when no --scorebook is given: the one teebook opens.
// Needs the application object.
QString defaultScorebookPath();

} // namespace cli
