#include "cli/default_scorebook.h"

#include "paths/program_paths.h"

#include <QCoreApplication>

namespace cli {

QString defaultScorebookPath()
{
    // The same scorebook teebook opens: beside a portable program, else the user's own.
    return program_paths::locate(QCoreApplication::applicationDirPath()).scorebook;
}

} // namespace cli
