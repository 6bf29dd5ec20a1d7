#pragma once

#include "printing/qt_print_preview.h"
#include "ui/app_context.h"
#include "ui/system_seams.h"

#include <memory>

class WindowRegistry;
class frmMain;

// The program as the user starts it: the real seams, every window, and the
// start-up sequence of the main menu.
class TeebookProgram
{
public:
    TeebookProgram(const program_paths::ProgramPlaces &places,
                   std::unique_ptr<MessageBoxes> messages = std::make_unique<QtMessageBoxes>());
    ~TeebookProgram();

    // Runs start-up and shows the main menu; false when the program must end.
    bool start();

private:
    std::unique_ptr<MessageBoxes> m_messages;
    DetachedLauncher m_launcher;
    SystemBeeper m_beeper;
    SystemClock m_clock;
    QtFileChooser m_files;
    QtPrintPreview m_printPreview;
    AppContext m_context;
    std::unique_ptr<WindowRegistry> m_windows;
};
