#pragma once

#include <QWidget>

struct AppContext;
class QPushButton;

// A window of the program. Its constructor only builds widgets and connects
// them; Form_Load runs once after construction, Form_Activate each time
// navigation shows it. Closing it with the frame's close button leaves it the
// way its own back button does, so the user always has a window.
class FormWindow : public QWidget
{
    Q_OBJECT

public:
    FormWindow(AppContext &context, const QString &name);

    virtual void Form_Load() { }
    virtual void Form_Activate() { }

protected:
    // What the frame's close button does: the window's main-menu or done button.
    virtual void leaveByFrame() = 0;
    void closeEvent(QCloseEvent *event) override;

    // Hides this window and shows the main menu again, as it was left.
    void returnToMainMenu();

    // The help button every window has: it starts the help viewer. It shows
    // its picture (7 of the shared list) once the window has loaded.
    QPushButton *makeHelpButton();
    void showHelpPicture();

    // The beep of a refused key.
    void beep() const;

    AppContext &m_context;

private:
    QPushButton *m_helpButton = nullptr;
};
