#pragma once

#include "ui/form_window.h"
#include "ui/seams.h"

#include <array>
#include <memory>

class BackupMenu;
class DataControl;
class PictureBox;
class QGroupBox;
class QLabel;
class QRadioButton;
class QToolButton;

// The main menu: runs the start-up sequence, then opens every other window.
// It owns the click sound and the sound switch.
class frmMain : public FormWindow
{
    Q_OBJECT

public:
    explicit frmMain(AppContext &context);
    ~frmMain() override;

    // The start-up sequence. Afterwards isReady() tells whether the program can go on.
    void Form_Load() override;
    bool isReady() const { return m_ready; }

    void play_swing();
    void Option1_Click(int index);

    void cmdGolferInfo_Click();
    void cmdCourseInfo_Click();
    void cmdRoundInfo_Click();
    void cmdStatInfo_Click();
    void cmdAbout_Click();
    void cmdExit_Click();
    void cmdHandicap_Click();
    void cmdTrends_Click();

protected:
    void leaveByFrame() override;

private:
    QToolButton *makeMenuButton(const QString &name, const QString &caption, const QString &tip);
    bool openScorebook();
    void openWindowFromMenu(const QString &name);
    void reopenScorebook();

    QToolButton *cmdGolferInfo;
    QToolButton *cmdCourseInfo;
    QToolButton *cmdRoundInfo;
    QToolButton *cmdStatInfo;
    QToolButton *cmdAbout;
    QToolButton *cmdExit;
    QToolButton *cmdHandicap;
    QToolButton *cmdTrends;
    QPushButton *cmdHelp;
    BackupMenu *m_backupMenu;
    QGroupBox *Frame1;
    std::array<QRadioButton *, 2> Option1 {};
    PictureBox *Image1;
    std::unique_ptr<SoundDevice> MMcsound;
    std::unique_ptr<DataControl> datgolf;
    bool m_ready = false;
};
