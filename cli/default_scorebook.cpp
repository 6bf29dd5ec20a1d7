#include "cli/default_scorebook.h"

#include <QCoreApplication>
#include <QDir>

namespace cli {

QString defaultScorebookPath()
{
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("teedat2000.mdb"));
}

} // namespace cli
