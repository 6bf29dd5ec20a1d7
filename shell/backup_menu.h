#pragma once

#include <QObject>

#include <functional>

struct AppContext;
class QAction;
class QMenuBar;
class QWidget;

// The main menu's File menu: a backup of the scorebook to a file the person
// chooses, and putting a backup back in its place.
class BackupMenu : public QObject
{
    Q_OBJECT

public:
    // `reopen` runs once a backup has been restored, so the program reads the
    // scorebook afresh.
    BackupMenu(AppContext &context, QWidget *window, std::function<void()> reopen);

    QMenuBar *bar() const { return m_bar; }

    void backUp();
    void restore();

private:
    AppContext &m_context;
    QWidget *m_window;
    std::function<void()> m_reopen;
    QMenuBar *m_bar;
};
