#pragma once

#include <QString>

namespace cli {

// The scorebook read when no --scorebook is given. Needs the application object.
QString defaultScorebookPath();

} // namespace cli
