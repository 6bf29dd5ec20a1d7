#pragma once

#include "app/image_list.h"
#include "app/seams.h"
#include "data/pick_lists.h"
#include "data/shared_state.h"

#include <QString>

class WindowRegistry;

// What every window of the program is handed: the shared variables, the
// pick-lists, the windows, the shared pictures, the program folder and the seams.
struct AppContext
{
    QString programDir;
    SharedState state;
    PickLists pickLists;
    ImageList ImageList1;
    WindowRegistry *windows = nullptr;

    MessageBoxes *messages = nullptr;
    ProgramLauncher *launcher = nullptr;
    Beeper *beeper = nullptr;
    Clock *clock = nullptr;
    SoundDeviceFactory makeSoundDevice;

    // A file of the program folder, joined with the platform's separator.
    QString programFile(const QString &name) const { return programDir + QLatin1Char('/') + name; }
    QString databasePath() const { return programFile(QStringLiteral("teedat2000.mdb")); }
};
