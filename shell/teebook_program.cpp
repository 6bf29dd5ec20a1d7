#include "shell/teebook_program.h"

#include "shell/frm_main.h"
#include "shell/window_catalog.h"
#include "shell/window_registry.h"
#include "ui/busy_question.h"
#include "ui/teebook_style.h"

#include <QApplication>

TeebookProgram::TeebookProgram(const program_paths::ProgramPlaces &places, std::unique_ptr<MessageBoxes> messages)
    : m_messages(std::move(messages))
    , m_windows(std::make_unique<WindowRegistry>([] { QApplication::exit(0); }))
{
    m_context.places = places;
    m_context.messages = m_messages.get();
    m_context.launcher = &m_launcher;
    m_context.beeper = &m_beeper;
    m_context.clock = &m_clock;
    m_context.files = &m_files;
    m_context.printPreview = &m_printPreview;
    m_context.makeSoundDevice = [] { return std::make_unique<WaveSoundDevice>(); };
    m_context.windows = m_windows.get();
    registerWindows(*m_windows, m_context);
    askWhenScorebookBusy(*m_messages);
    qApp->setStyleSheet(teebookStyleSheet());
}

TeebookProgram::~TeebookProgram()
{
    stopAskingWhenScorebookBusy();
}

bool TeebookProgram::start()
{
    auto *main = new frmMain(m_context);
    m_windows->adopt(main);
    main->Form_Load();
    if (!main->isReady()) {
        return false;
    }
    m_windows->makeVisible(main->objectName());
    return true;
}
