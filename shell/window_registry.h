#pragma once

#include "ui/navigator.h"

#include <QHash>
#include <QPointer>
#include <QString>

#include <functional>

// Loads each window on first use, shows and hides windows, and runs their load
// and activate handlers. An unloaded window is destroyed and built afresh on
// its next showing.
class WindowRegistry : public Navigator
{
public:
    using Factory = std::function<FormWindow *()>;

    explicit WindowRegistry(std::function<void()> endProgram);
    ~WindowRegistry() override;

    void addWindow(const QString &name, Factory factory);
    bool knows(const QString &name) const override;
    // For the main window, which the program builds itself.
    void adopt(FormWindow *window);

    FormWindow *load(const QString &name) override;
    FormWindow *loaded(const QString &name) const override;
    FormWindow *show(const QString &name) override;
    void hide(const QString &name) override;
    void makeVisible(const QString &name) override;
    void unload(const QString &name) override;

    void exitProgram() override;
    bool isExiting() const override { return m_exiting; }

private:
    QHash<QString, Factory> m_factories;
    QHash<QString, QPointer<FormWindow>> m_windows;
    std::function<void()> m_endProgram;
    bool m_exiting = false;
};
