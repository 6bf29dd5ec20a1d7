#include "shell/frm_about.h"

#include "shell/window_registry.h"
#include "ui/app_context.h"
#include "ui/twips.h"

#include <QFrame>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

namespace {

// Layout in twips.
constexpr int WindowWidth = 6600;
constexpr int WindowHeight = 4200;
constexpr int BannerLeft = 300;
constexpr int BannerTop = 1500;
constexpr int BannerHeight = 960;
constexpr int BallTop = BannerTop + BannerHeight - 180;
constexpr int BallSize = 360;

QRect twipsRect(int left, int top, int width, int height)
{
    return {twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height)};
}

QFrame *makeShape(QWidget *parent, const QString &name, const QRect &area)
{
    auto *shape = new QFrame(parent);
    shape->setObjectName(name);
    shape->setFrameShape(QFrame::HLine);
    shape->setStyleSheet(QStringLiteral("color: rgb(255,213,79);"));
    shape->setGeometry(area);
    return shape;
}

} // namespace

frmAbout::frmAbout(AppContext &context)
    : FormWindow(context, QStringLiteral("frmAbout"))
    , Picture1(new QWidget(this))
    , m_banner(new QLabel(Picture1))
    , imgBall(new QLabel(this))
    , Timer1(new QTimer(this))
    , cmdMainMenu(new QPushButton(QStringLiteral("&Main Menu"), this))
    , cmdHelp(makeHelpButton())
{
    setWindowTitle(QStringLiteral("About Varnholt "));
    setFixedSize(twipsToPixels(WindowWidth), twipsToPixels(WindowHeight));
    setStyleSheet(QStringLiteral("QLabel { color: rgb(255,253,231); }"));

    auto *Label1 = new QLabel(QStringLiteral("Quendry"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setFont(QFont(QStringLiteral("Sans"), 14, QFont::Bold));
    Label1->setGeometry(twipsRect(300, 240, 3000, 420));
    auto *Label2 = new QLabel(QStringLiteral("Golf"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setFont(QFont(QStringLiteral("Serif"), 26, QFont::Bold, true));
    Label2->setGeometry(twipsRect(300, 660, 3000, 660));
    makeShape(this, QStringLiteral("Shape1"), twipsRect(300, 1380, 6000, 30));
    makeShape(this, QStringLiteral("Shape2"), twipsRect(300, 2580, 6000, 30));
    makeShape(this, QStringLiteral("Shape3"), twipsRect(3600, 540, 2700, 30));

    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setAccessibleName(QStringLiteral("Varnholt Golf"));
    m_banner->setPixmap(QIcon(QStringLiteral(":/pictures/banner.svg"))
                            .pixmap(QSize(twipsToPixels(BannerFullWidth), twipsToPixels(BannerHeight))));
    m_banner->setGeometry(0, 0, twipsToPixels(BannerFullWidth), twipsToPixels(BannerHeight));

    imgBall->setObjectName(QStringLiteral("imgBall"));
    imgBall->setPixmap(QIcon(QStringLiteral(":/pictures/ball.svg")).pixmap(QSize(24, 24)));
    imgBall->setAccessibleName(QStringLiteral("Golf ball"));

    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(20);
    connect(Timer1, &QTimer::timeout, this, &frmAbout::Timer1_Timer);

    cmdMainMenu->setObjectName(QStringLiteral("cmdMainMenu"));
    cmdMainMenu->setToolTip(QStringLiteral(" Back to the Main Menu "));
    cmdMainMenu->setGeometry(twipsRect(300, 3240, 1800, 600));
    connect(cmdMainMenu, &QPushButton::clicked, this, &frmAbout::cmdMainMenu_Click);
    cmdHelp->move(twipsToPixels(5400), twipsToPixels(3090));

    placeBall();
    sizeBanner();
    imgBall->raise();
}

frmAbout::~frmAbout() = default;

void frmAbout::Form_Load()
{
    MMcsound = m_context.makeSoundDevice();
    MMcsound->command(QStringLiteral("close"));
    MMcsound->setDeviceType(QStringLiteral("WaveAudio"));
    MMcsound->setFileName(m_context.sharedFile(QStringLiteral("cup.wav")));
    MMcsound->command(QStringLiteral("open"));
    MMcsound->command(QStringLiteral("Prev"));

    m_bannerWidth = BannerStartWidth;
    sizeBanner();
    Timer1->start();
    showHelpPicture();
}

void frmAbout::Timer1_Timer()
{
    if (m_ballLeft < BallStopLeft) {
        m_ballLeft += Step;
        placeBall();
        if (m_bannerWidth <= BannerFullWidth) {
            m_bannerWidth += Step;
            sizeBanner();
        }
        return;
    }
    m_bannerWidth = BannerFullWidth;
    sizeBanner();
    Timer1->stop();
    imgBall->setVisible(false);
    MMcsound->command(QStringLiteral("PLAY"));
    MMcsound->command(QStringLiteral("PREV"));
}

bool frmAbout::isAnimating() const
{
    return Timer1->isActive();
}

void frmAbout::placeBall()
{
    imgBall->setGeometry(twipsRect(BannerLeft + m_ballLeft, BallTop, BallSize, BallSize));
}

void frmAbout::sizeBanner()
{
    Picture1->setGeometry(twipsRect(BannerLeft, BannerTop, m_bannerWidth, BannerHeight));
}

void frmAbout::cmdMainMenu_Click()
{
    Timer1->stop();
    m_context.windows->unload(objectName());
    m_context.windows->makeVisible(QStringLiteral("frmMain"));
}

void frmAbout::leaveByFrame()
{
    cmdMainMenu_Click();
}
