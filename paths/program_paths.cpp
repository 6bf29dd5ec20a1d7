#include "paths/program_paths.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace program_paths {

QString scorebookName()
{
    return QStringLiteral("teedat2000.mdb");
}

QString portableMarkerName()
{
    return QStringLiteral("teebook.portable");
}

ProgramPlaces locate(const QString &programDir, const QString &chosenScorebook)
{
    const QString folder = isPortable(programDir) ? programDir : userDataDir();
    return {programDir, sharedFilesDir(programDir, QStringLiteral("golfswng.wav")),
            chosenScorebook.isEmpty() ? folder + u'/' + scorebookName()
                                      : QFileInfo(chosenScorebook).absoluteFilePath()};
}

ProgramPlaces allIn(const QString &folder)
{
    return {folder, folder, folder + u'/' + scorebookName()};
}

bool isPortable(const QString &programDir)
{
    const QDir folder(programDir);
    if (QFileInfo::exists(folder.filePath(scorebookName()))) {
        return true;
    }
    return QFileInfo::exists(folder.filePath(portableMarkerName())) && QFileInfo(programDir).isWritable();
}

QString userDataDir()
{
    // The generic location, not the per-application one, so every program of
    // the suite (whatever its application name) shares one scorebook.
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/teebook");
}

QString sharedFilesDir(const QString &programDir, const QString &probe)
{
    if (QFileInfo::exists(QDir(programDir).filePath(probe))) {
        return programDir;
    }
    // Relative to the program, so an install under any prefix finds its own share folder.
    return QDir::cleanPath(programDir + u'/' + QStringLiteral(TEEBOOK_SHARE_FROM_BIN));
}

} // namespace program_paths
