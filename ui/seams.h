#pragma once

#include <QString>

#include <functional>
#include <memory>

class QTextDocument;
class QWidget;

// Everything that leaves the process or waits on a person goes through these
// small interfaces, so the windows stay plain and tests can script them.

enum class MessageButtons
{
    Ok,
    YesNo,
    RetryCancel
};
enum class MessageIcon
{
    None,
    Information,
    Question,
    Critical,
    Warning
};
enum class MessageAnswer
{
    Ok,
    Yes,
    No,
    Retry,
    Cancel
};

struct MessageRequest
{
    QString title;
    QString text;
    MessageButtons buttons = MessageButtons::Ok;
    MessageIcon icon = MessageIcon::None;
    MessageAnswer defaultButton = MessageAnswer::Ok;
};

class MessageBoxes
{
public:
    virtual ~MessageBoxes() = default;
    virtual MessageAnswer show(QWidget *parent, const MessageRequest &request) = 0;
};

// A wave-audio player with one sound file, driven by command words:
// "open" loads the file, "PLAY" plays it, "PREV"/"Prev" rewind it, "close"
// releases it. Every command is ignored while nothing is open.
class SoundDevice
{
public:
    virtual ~SoundDevice() = default;
    void setDeviceType(const QString &type) { m_deviceType = type; }
    QString deviceType() const { return m_deviceType; }
    void setFileName(const QString &path) { m_fileName = path; }
    QString fileName() const { return m_fileName; }
    virtual void command(const QString &word) = 0;

private:
    QString m_deviceType;
    QString m_fileName;
};
using SoundDeviceFactory = std::function<std::unique_ptr<SoundDevice>()>;

class ProgramLauncher
{
public:
    virtual ~ProgramLauncher() = default;
    // Starts the program without arguments, without waiting; false if it could not start.
    virtual bool startDetached(const QString &path) = 0;
};

class Beeper
{
public:
    virtual ~Beeper() = default;
    virtual void beep() = 0;
};

class Clock
{
public:
    virtual ~Clock() = default;
    // Today's date in the user's short date form.
    virtual QString today() const = 0;
};

// Which file to write or read: the person chooses it; an empty text means
// they cancelled.
class FileChooser
{
public:
    virtual ~FileChooser() = default;
    virtual QString saveFileName(QWidget *parent, const QString &title, const QString &suggestedPath,
                                 const QString &filter)
        = 0;
    virtual QString openFileName(QWidget *parent, const QString &title, const QString &folder, const QString &filter)
        = 0;
};

// Shows a document as it will be printed, where the person chooses a printer
// and prints it or leaves it.
class PrintPreview
{
public:
    virtual ~PrintPreview() = default;
    virtual void show(QWidget *parent, QTextDocument &document) = 0;
};
