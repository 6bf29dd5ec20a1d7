#pragma once

#include "ui/form_window.h"
#include "ui/seams.h"

#include <memory>

class QLabel;
class QPushButton;
class QTimer;
class QWidget;

// The about box: a ball rolls across while the banner is uncovered behind it,
// then the cup sound plays. Positions are kept in twips, the design unit.
class frmAbout : public FormWindow
{
    Q_OBJECT

public:
    static constexpr int BallStartLeft = 36;
    static constexpr int BallStopLeft = 5500;
    static constexpr int Step = 65;
    static constexpr int BannerStartWidth = 100;
    static constexpr int BannerFullWidth = 5988;

    explicit frmAbout(AppContext &context);
    ~frmAbout() override;

    void Form_Load() override;
    void Timer1_Timer();
    void cmdMainMenu_Click();

    int ballLeft() const { return m_ballLeft; }
    int bannerWidth() const { return m_bannerWidth; }
    bool isAnimating() const;

protected:
    void leaveByFrame() override;

private:
    void placeBall();
    void sizeBanner();

    QWidget *Picture1;
    QLabel *m_banner;
    QLabel *imgBall;
    QTimer *Timer1;
    QPushButton *cmdMainMenu;
    QPushButton *cmdHelp;
    std::unique_ptr<SoundDevice> MMcsound;
    int m_ballLeft = BallStartLeft;
    int m_bannerWidth = BannerStartWidth;
};
