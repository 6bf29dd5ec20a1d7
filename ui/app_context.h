#pragma once

#include "ui/image_list.h"
#include "ui/seams.h"
#include "ui/pick_lists.h"
#include "core/records/shared_state.h"

#include <QString>

class Navigator;

// What every window of the program is handed: the shared variables, the
// pick-lists, the windows, the shared pictures, the program folder and the seams.
struct AppContext
{
    QString programDir;
    SharedState state;
    PickLists pickLists;
    ImageList ImageList1;
    Navigator *windows = nullptr;

    MessageBoxes *messages = nullptr;
    ProgramLauncher *launcher = nullptr;
    Beeper *beeper = nullptr;
    Clock *clock = nullptr;
    SoundDeviceFactory makeSoundDevice;

    // A file of the program folder, joined with the platform's separator.
    QString programFile(const QString &name) const { return programDir + QLatin1Char('/') + name; }
    QString databasePath() const { return programFile(QStringLiteral("teedat2000.mdb")); }
};
