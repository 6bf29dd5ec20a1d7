#pragma once

#include <QString>

class FormWindow;

// How a window reaches the others: by name, without knowing their classes.
// The program's window registry provides it.
class Navigator
{
public:
    virtual ~Navigator() = default;

    virtual bool knows(const QString &name) const = 0;

    // The window, built (and its Form_Load run) if it is not loaded yet.
    virtual FormWindow *load(const QString &name) = 0;
    virtual FormWindow *loaded(const QString &name) const = 0;
    // Loads if needed, shows, raises, and runs Form_Activate.
    virtual FormWindow *show(const QString &name) = 0;
    virtual void hide(const QString &name) = 0;
    // Shows a window without running its activate handler (the main menu).
    virtual void makeVisible(const QString &name) = 0;
    // Destroys a window; it is built afresh on its next showing.
    virtual void unload(const QString &name) = 0;

    // Ends the program at once: every window closes.
    virtual void exitProgram() = 0;
    virtual bool isExiting() const = 0;
};
