#pragma once

#include <QHash>
#include <QPointer>
#include <QString>

#include <functional>

class FormWindow;

// Loads each window on first use, shows and hides windows, and runs their load
// and activate handlers. An unloaded window is destroyed and built afresh on
// its next showing.
class WindowRegistry
{
public:
    using Factory = std::function<FormWindow *()>;

    explicit WindowRegistry(std::function<void()> endProgram);
    ~WindowRegistry();

    void addWindow(const QString &name, Factory factory);
    bool knows(const QString &name) const;
    // For the main window, which the program builds itself.
    void adopt(FormWindow *window);

    // The window, built (and its Form_Load run) if it is not loaded yet.
    FormWindow *load(const QString &name);
    FormWindow *loaded(const QString &name) const;
    // Loads if needed, shows, raises, and runs Form_Activate.
    FormWindow *show(const QString &name);
    void hide(const QString &name);
    // Shows a window without running its activate handler (the main menu).
    void makeVisible(const QString &name);
    void unload(const QString &name);

    // Ends the program at once: every window closes.
    void exitProgram();
    bool isExiting() const { return m_exiting; }

private:
    QHash<QString, Factory> m_factories;
    QHash<QString, QPointer<FormWindow>> m_windows;
    std::function<void()> m_endProgram;
    bool m_exiting = false;
};
