#include "shell/window_registry.h"

#include "ui/form_window.h"

WindowRegistry::WindowRegistry(std::function<void()> endProgram)
    : m_endProgram(std::move(endProgram))
{ }

WindowRegistry::~WindowRegistry()
{
    m_exiting = true;
    for (const auto &window : std::as_const(m_windows)) {
        delete window.data();
    }
}

void WindowRegistry::addWindow(const QString &name, Factory factory)
{
    m_factories.insert(name, std::move(factory));
}

bool WindowRegistry::knows(const QString &name) const
{
    return m_factories.contains(name) || m_windows.contains(name);
}

void WindowRegistry::adopt(FormWindow *window)
{
    m_windows.insert(window->objectName(), window);
}

FormWindow *WindowRegistry::loaded(const QString &name) const
{
    return m_windows.value(name).data();
}

FormWindow *WindowRegistry::load(const QString &name)
{
    if (FormWindow *window = loaded(name)) {
        return window;
    }
    const Factory factory = m_factories.value(name);
    if (!factory) {
        return nullptr;
    }
    FormWindow *window = factory();
    // Registered before Form_Load so that nested loads find it.
    m_windows.insert(name, window);
    window->Form_Load();
    return window;
}

FormWindow *WindowRegistry::show(const QString &name)
{
    FormWindow *window = load(name);
    if (window) {
        window->show();
        window->raise();
        window->activateWindow();
        window->Form_Activate();
    }
    return window;
}

void WindowRegistry::makeVisible(const QString &name)
{
    if (FormWindow *window = load(name)) {
        window->show();
        window->raise();
        window->activateWindow();
    }
}

void WindowRegistry::hide(const QString &name)
{
    if (FormWindow *window = loaded(name)) {
        window->hide();
    }
}

void WindowRegistry::unload(const QString &name)
{
    if (FormWindow *window = m_windows.take(name)) {
        window->hide();
        window->deleteLater();
    }
}

void WindowRegistry::exitProgram()
{
    m_exiting = true;
    for (const auto &window : std::as_const(m_windows)) {
        if (window) {
            window->hide();
        }
    }
    m_endProgram();
}
