#pragma once

#include <QString>

// Where teebook and teeguide find their files.
//
// A program folder is portable when it holds the scorebook, or when it is
// writable and carries the marker file (the build's bin folder, a copy on a
// stick): the scorebook, the sounds and the help then all lie beside the
// programs. Installed, the programs read their shared files from the share
// folder beside bin/ and the scorebook lives in the user's data folder.
namespace program_paths {

QString scorebookName();
QString portableMarkerName();

// Where one run of teebook finds its files.
struct ProgramPlaces
{
    QString programDir; // teebook and teeguide
    QString sharedDir; // sounds and help: read, never written
    QString scorebook; // the scorebook file
};

// The places of a run from the program folder; a chosen scorebook file
// (relative to the working folder) wins over the usual one.
ProgramPlaces locate(const QString &programDir, const QString &chosenScorebook = {});

// Everything in one folder, as in a portable program folder.
ProgramPlaces allIn(const QString &folder);

bool isPortable(const QString &programDir);

// The user's own teebook folder: $XDG_DATA_HOME/teebook, ~/.local/share/teebook by default.
QString userDataDir();

// The folder of the files a program reads but never changes: the program
// folder when it holds `probe`, else the installed share folder.
QString sharedFilesDir(const QString &programDir, const QString &probe);

} // namespace program_paths
