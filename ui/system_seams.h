#pragma once

#include "ui/seams.h"

// The real message boxes, sound, program start, beep and date.

class QtMessageBoxes : public MessageBoxes
{
public:
    MessageAnswer show(QWidget *parent, const MessageRequest &request) override;
};

class WaveSoundDevice : public SoundDevice
{
public:
    WaveSoundDevice();
    ~WaveSoundDevice() override;
    void command(const QString &word) override;

private:
    struct Player;
    std::unique_ptr<Player> m_player;
};

class DetachedLauncher : public ProgramLauncher
{
public:
    bool startDetached(const QString &path) override;
};

class SystemBeeper : public Beeper
{
public:
    void beep() override;
};

class SystemClock : public Clock
{
public:
    QString today() const override;
};

class QtFileChooser : public FileChooser
{
public:
    QString saveFileName(QWidget *parent, const QString &title, const QString &suggestedPath,
                         const QString &filter) override;
    QString openFileName(QWidget *parent, const QString &title, const QString &folder, const QString &filter) override;
};
