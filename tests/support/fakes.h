#pragma once

#include "ui/seams.h"

#include <QList>
#include <QStringList>
#include <QTextDocument>

#include <memory>

// Recording stand-ins for the seams: nothing reaches a person, a speaker or
// another process during a test.

class FakeMessageBoxes : public MessageBoxes
{
public:
    MessageAnswer show(QWidget *, const MessageRequest &request) override
    {
        shown.append(request);
        if (request.buttons == MessageButtons::Ok) {
            return MessageAnswer::Ok;
        }
        if (!answers.isEmpty()) {
            return answers.takeFirst();
        }
        return request.buttons == MessageButtons::RetryCancel ? MessageAnswer::Cancel : MessageAnswer::No;
    }

    QStringList titles() const
    {
        QStringList result;
        for (const auto &request : shown) {
            result.append(request.title);
        }
        return result;
    }

    QList<MessageAnswer> answers; // for questions, in order; No (or Cancel) when none left
    QList<MessageRequest> shown;
};

// Records each file played; a file plays only while the device is open.
class FakeSoundDevice : public SoundDevice
{
public:
    explicit FakeSoundDevice(QStringList *played)
        : m_played(played)
    { }
    void command(const QString &word) override
    {
        if (word.compare(QLatin1String("open"), Qt::CaseInsensitive) == 0) {
            m_open = true;
        } else if (word.compare(QLatin1String("close"), Qt::CaseInsensitive) == 0) {
            m_open = false;
        } else if (m_open && word.compare(QLatin1String("PLAY"), Qt::CaseInsensitive) == 0) {
            m_played->append(fileName());
        }
    }

private:
    QStringList *m_played;
    bool m_open = false;
};

class FakeLauncher : public ProgramLauncher
{
public:
    bool startDetached(const QString &path) override
    {
        started.append(path);
        return succeed;
    }
    QStringList started;
    bool succeed = true;
};

class FakeBeeper : public Beeper
{
public:
    void beep() override { ++beeps; }
    int beeps = 0;
};

class FakeClock : public Clock
{
public:
    QString today() const override { return date; }
    QString date = QStringLiteral("6/12/26");
};

class FakeFileChooser : public FileChooser
{
public:
    QString saveFileName(QWidget *, const QString &, const QString &suggestedPath, const QString &) override
    {
        suggested.append(suggestedPath);
        return answers.isEmpty() ? QString() : answers.takeFirst();
    }
    QString openFileName(QWidget *, const QString &, const QString &, const QString &) override
    {
        return answers.isEmpty() ? QString() : answers.takeFirst();
    }
    QStringList answers; // the files chosen, in order; cancelled when none left
    QStringList suggested; // the paths offered for saving
};

class FakePrintPreview : public PrintPreview
{
public:
    void show(QWidget *, QTextDocument &document) override { shownText.append(document.toPlainText()); }
    QStringList shownText; // the text of each document shown
};
