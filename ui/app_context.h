#pragma once

#include "core/records/shared_state.h"
#include "paths/program_paths.h"
#include "ui/image_list.h"
#include "ui/pick_lists.h"
#include "ui/seams.h"

#include <QString>

class Navigator;

// What every window of the program is handed: the shared variables, the
// pick-lists, the windows, the shared pictures, where the files are and the seams.
struct AppContext
{
    program_paths::ProgramPlaces places;
    SharedState state;
    PickLists pickLists;
    ImageList ImageList1;
    Navigator *windows = nullptr;

    MessageBoxes *messages = nullptr;
    ProgramLauncher *launcher = nullptr;
    Beeper *beeper = nullptr;
    Clock *clock = nullptr;
    FileChooser *files = nullptr;
    PrintPreview *printPreview = nullptr;
    SoundDeviceFactory makeSoundDevice;

    // Files joined with the platform's separator: a program beside teebook, a
    // sound or help file, the scorebook.
    QString programFile(const QString &name) const { return places.programDir + QLatin1Char('/') + name; }
    QString sharedFile(const QString &name) const { return places.sharedDir + QLatin1Char('/') + name; }
    QString databasePath() const { return places.scorebook; }
};
