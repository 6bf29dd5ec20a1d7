#include "ui/system_seams.h"

#include <QApplication>
#include <QDate>
#include <QDeadlineTimer>
#include <QFileDialog>
#include <QLocale>
#include <QMessageBox>
#include <QProcess>
#include <QSoundEffect>
#include <QUrl>

MessageAnswer QtMessageBoxes::show(QWidget *parent, const MessageRequest &request)
{
    QMessageBox box(parent);
    box.setWindowTitle(request.title);
    box.setText(request.text);
    static const QMessageBox::Icon icons[] = {QMessageBox::NoIcon, QMessageBox::Information, QMessageBox::Question,
                                              QMessageBox::Critical, QMessageBox::Warning};
    box.setIcon(icons[int(request.icon)]);
    if (request.buttons == MessageButtons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(request.defaultButton == MessageAnswer::No ? QMessageBox::No : QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::No);
        return box.exec() == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
    }
    if (request.buttons == MessageButtons::RetryCancel) {
        box.setStandardButtons(QMessageBox::Retry | QMessageBox::Cancel);
        box.setDefaultButton(request.defaultButton == MessageAnswer::Cancel ? QMessageBox::Cancel : QMessageBox::Retry);
        box.setEscapeButton(QMessageBox::Cancel);
        return box.exec() == QMessageBox::Retry ? MessageAnswer::Retry : MessageAnswer::Cancel;
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
    return MessageAnswer::Ok;
}

// QSoundEffect always plays from the start, so rewinding needs no work; with no
// audio output it simply stays silent.
struct WaveSoundDevice::Player
{
    QSoundEffect effect;

    // Qt reads the wave file on a thread of its own; if the program ends while
    // that read is under way, the thread and Qt's sample cache wait on each
    // other at exit for ever. So the read is let finish first (it takes a few
    // milliseconds; at most two seconds are given).
    ~Player()
    {
        const QDeadlineTimer deadline(2000);
        while (effect.status() == QSoundEffect::Loading && !deadline.hasExpired()) {
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 20);
        }
    }
};

WaveSoundDevice::WaveSoundDevice() = default;
WaveSoundDevice::~WaveSoundDevice() = default;

void WaveSoundDevice::command(const QString &word)
{
    if (word.compare(QLatin1String("open"), Qt::CaseInsensitive) == 0) {
        if (!m_player) {
            m_player = std::make_unique<Player>();
            m_player->effect.setSource(QUrl::fromLocalFile(fileName()));
        }
        return;
    }
    if (!m_player) {
        return;
    }
    if (word.compare(QLatin1String("PLAY"), Qt::CaseInsensitive) == 0) {
        m_player->effect.play();
    } else if (word.compare(QLatin1String("close"), Qt::CaseInsensitive) == 0) {
        m_player.reset();
    }
}

bool DetachedLauncher::startDetached(const QString &path)
{
    return QProcess::startDetached(path, {});
}

void SystemBeeper::beep()
{
    QApplication::beep();
}

QString SystemClock::today() const
{
    return QLocale().toString(QDate::currentDate(), QLocale::ShortFormat);
}

QString QtFileChooser::saveFileName(QWidget *parent, const QString &title, const QString &suggestedPath,
                                    const QString &filter)
{
    return QFileDialog::getSaveFileName(parent, title, suggestedPath, filter);
}

QString QtFileChooser::openFileName(QWidget *parent, const QString &title, const QString &folder, const QString &filter)
{
    return QFileDialog::getOpenFileName(parent, title, folder, filter);
}
