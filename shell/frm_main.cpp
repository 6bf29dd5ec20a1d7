#include "shell/frm_main.h"

#include "core/records/course_cache.h"
#include "core/scorebook/database_error.h"
#include "core/scorebook/datgolf.h"
#include "core/scorebook/scorebook_file.h"
#include "core/scorebook/scorebook_layout.h"
#include "shell/backup_menu.h"
#include "shell/window_registry.h"
#include "ui/app_context.h"
#include "ui/list_loaders.h"
#include "ui/picture_box.h"
#include "ui/scorebook_lists.h"
#include "ui/wait_cursor.h"

#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// A picture button of the menu: Enter presses it too, as on every other button.
class MenuButton : public QToolButton
{
public:
    using QToolButton::QToolButton;

protected:
    void keyPressEvent(QKeyEvent *event) override
    {
        if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
            animateClick();
            return;
        }
        QToolButton::keyPressEvent(event);
    }
};

QWidget *makeTitle(QWidget *parent)
{
    // The product name with a shadow copy behind it.
    auto *holder = new QWidget(parent);
    holder->setFixedSize(360, 76);
    QFont titleFont(QStringLiteral("Serif"), 40, QFont::Bold);
    titleFont.setItalic(true);
    auto *shadow = new QLabel(QStringLiteral("Varnholt"), holder);
    shadow->setObjectName(QStringLiteral("lblTitleShadow"));
    shadow->setFont(titleFont);
    shadow->setProperty("shadow", true);
    shadow->setGeometry(4, 4, 356, 72);
    auto *title = new QLabel(QStringLiteral("Varnholt"), holder);
    title->setObjectName(QStringLiteral("lblTitle"));
    title->setFont(titleFont);
    title->setProperty("onGreen", true);
    title->setGeometry(0, 0, 356, 72);
    return holder;
}

} // namespace

frmMain::frmMain(AppContext &context)
    : FormWindow(context, QStringLiteral("frmMain"))
    , cmdGolferInfo(makeMenuButton(QStringLiteral("cmdGolferInfo"), QStringLiteral("&Golfer Info"),
                                   QStringLiteral(" Click Here to Enter New Golfer Infomation ")))
    , cmdCourseInfo(makeMenuButton(QStringLiteral("cmdCourseInfo"), QStringLiteral("&Course Info"),
                                   QStringLiteral(" Enter New of Update Course Information ")))
    , cmdRoundInfo(makeMenuButton(QStringLiteral("cmdRoundInfo"), QStringLiteral("&Score Round"),
                                  QStringLiteral(" Click Here to Enter Your Score for a Round of Golf ")))
    , cmdStatInfo(makeMenuButton(QStringLiteral("cmdStatInfo"), QStringLiteral("&Stat Infor"),
                                 QStringLiteral(" Check out your statistics for a course ")))
    , cmdAbout(makeMenuButton(QStringLiteral("cmdAbout"), QStringLiteral("&About"),
                              QStringLiteral(" Information about Varnholt from Quendry ")))
    , cmdExit(makeMenuButton(QStringLiteral("cmdExit"), QStringLiteral("E&xit"), QStringLiteral(" See you later! ")))
    , cmdHandicap(makeMenuButton(QStringLiteral("cmdHandicap"), QStringLiteral("&Handicap"),
                                 QStringLiteral(" Your Handicap Index and how it was worked out ")))
    , cmdTrends(makeMenuButton(QStringLiteral("cmdTrends"), QStringLiteral("&Trends"),
                               QStringLiteral(" See how your scores, putts and handicap go over time ")))
    , cmdHelp(makeHelpButton())
    , m_backupMenu(new BackupMenu(context, this, [this] { reopenScorebook(); }))
    , Frame1(new QGroupBox(QStringLiteral("SOUND"), this))
    , Image1(new PictureBox(QStringLiteral("Image1"), QSize(160, 64), this))
{
    setWindowTitle(QStringLiteral(" Varnholt"));
    setStyleSheet(QStringLiteral("QToolButton { background: rgb(255,253,231); border: 2px solid rgb(13,59,18);"
                                 " border-radius: 8px; padding: 6px; font-weight: bold; color: rgb(27,94,32); }"
                                 "QToolButton:focus { border-color: rgb(255,213,79); }"));

    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setToolTip(QStringLiteral("Turn the sound On or Off "));
    auto *soundLayout = new QHBoxLayout(Frame1);
    const QString captions[] = {QStringLiteral("ON"), QStringLiteral("OFF")};
    for (int i = 0; i < 2; ++i) {
        Option1[i] = new QRadioButton(captions[i], Frame1);
        Option1[i]->setObjectName(QStringLiteral("Option1_%1").arg(i));
        Option1[i]->setAccessibleName(QStringLiteral("Sound ") + captions[i]);
        soundLayout->addWidget(Option1[i]);
        connect(Option1[i], &QRadioButton::clicked, this, [this, i] { Option1_Click(i); });
    }

    Image1->setAccessibleName(QStringLiteral("Quendry"));

    auto *titleRow = new QHBoxLayout;
    titleRow->addWidget(makeTitle(this));
    titleRow->addStretch();
    titleRow->addWidget(Image1);

    auto *menu = new QGridLayout;
    menu->setSpacing(14);
    const std::array<QToolButton *, 6> buttons
        = {cmdGolferInfo, cmdCourseInfo, cmdRoundInfo, cmdStatInfo, cmdAbout, cmdExit};
    for (int i = 0; i < int(buttons.size()); ++i) {
        menu->addWidget(buttons[i], i / 3, i % 3);
    }
    // Later buttons start a row of their own, so the first six keep their places.
    menu->addWidget(cmdHandicap, 2, 0);
    menu->addWidget(cmdTrends, 2, 1);

    auto *bottomRow = new QHBoxLayout;
    bottomRow->addWidget(Frame1);
    bottomRow->addStretch();
    bottomRow->addWidget(cmdHelp);

    auto *layout = new QVBoxLayout(this);
    layout->setMenuBar(m_backupMenu->bar());
    layout->setContentsMargins(20, 16, 20, 16);
    layout->addLayout(titleRow);
    layout->addSpacing(8);
    layout->addLayout(menu);
    layout->addSpacing(8);
    layout->addLayout(bottomRow);

    connect(cmdGolferInfo, &QToolButton::clicked, this, &frmMain::cmdGolferInfo_Click);
    connect(cmdCourseInfo, &QToolButton::clicked, this, &frmMain::cmdCourseInfo_Click);
    connect(cmdRoundInfo, &QToolButton::clicked, this, &frmMain::cmdRoundInfo_Click);
    connect(cmdStatInfo, &QToolButton::clicked, this, &frmMain::cmdStatInfo_Click);
    connect(cmdAbout, &QToolButton::clicked, this, &frmMain::cmdAbout_Click);
    connect(cmdExit, &QToolButton::clicked, this, &frmMain::cmdExit_Click);
    connect(cmdHandicap, &QToolButton::clicked, this, &frmMain::cmdHandicap_Click);
    connect(cmdTrends, &QToolButton::clicked, this, &frmMain::cmdTrends_Click);
}

frmMain::~frmMain() = default;

QToolButton *frmMain::makeMenuButton(const QString &name, const QString &caption, const QString &tip)
{
    auto *button = new MenuButton(this);
    button->setObjectName(name);
    button->setText(caption);
    button->setToolTip(tip);
    button->setAccessibleName(QString(caption).remove(QLatin1Char('&')));
    button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    button->setIconSize(QSize(64, 64));
    button->setMinimumSize(150, 110);
    button->setFocusPolicy(Qt::StrongFocus);
    button->setVisible(false);
    return button;
}

void frmMain::Form_Load()
{
    WaitCursor hourglass;

    const std::pair<QToolButton *, int> pictures[]
        = {{cmdAbout, 1},    {cmdGolferInfo, 2}, {cmdRoundInfo, 3}, {cmdCourseInfo, 4},
           {cmdStatInfo, 5}, {cmdExit, 6},       {cmdHandicap, 14}};
    for (const auto &[button, number] : pictures) {
        button->setIcon(m_context.ImageList1.picture(number));
        button->setVisible(true);
    }
    cmdTrends->setIcon(m_context.ImageList1.picture(5));
    cmdTrends->setVisible(true);
    showHelpPicture();
    Image1->setPicture(m_context.ImageList1.picture(8));
    Image1->setVisible(true);

    if (!openScorebook()) {
        return;
    }
    SharedState &state = m_context.state;
    try {
        load_course_cache(*datgolf, state);
        state.last_course = datgolf->recordCount() - 1;
        load_course_lists(state, m_context.pickLists);

        datgolf->setDatabaseName(m_context.databasePath());
        datgolf->setRecordSource(QStringLiteral("golfers"));
        datgolf->refresh();
        if (datgolf->recordCount() >= 1) {
            load_golfer_lists(*datgolf, m_context.pickLists);
        }
        load_course_lists(state, m_context.pickLists);
    } catch (const DatabaseError &error) {
        m_context.messages->show(this,
                                 {QStringLiteral(" Varnholt"),
                                  QStringLiteral("The scorebook could not be read.\n%1").arg(error.message()),
                                  MessageButtons::Ok, MessageIcon::Critical});
        return;
    }

    MMcsound = m_context.makeSoundDevice();
    MMcsound->setDeviceType(QStringLiteral("WaveAudio"));
    MMcsound->setFileName(m_context.sharedFile(QStringLiteral("golfswng.wav")));
    MMcsound->command(QStringLiteral("open"));
    MMcsound->command(QStringLiteral("PLAY"));
    MMcsound->command(QStringLiteral("PREV"));

    Option1[0]->setChecked(true);
    Option1_Click(0);
    m_ready = true;
}

bool frmMain::openScorebook()
{
    const QString path = m_context.databasePath();
    const QFileInfo file(path);
    const QString folder = QDir::toNativeSeparators(file.absolutePath());
    const scorebook::Check check = scorebook::inspect(path);
    if (check.health == scorebook::Health::Missing) {
        const MessageAnswer answer
            = m_context.messages->show(this,
                                       {QStringLiteral("Scorebook Not Found"),
                                        QStringLiteral("The scorebook %1 is not in the folder\n%2\n\n"
                                                       "Create an empty scorebook there? (No ends the program.)")
                                            .arg(file.fileName(), folder),
                                        MessageButtons::YesNo, MessageIcon::Question, MessageAnswer::Yes});
        if (answer != MessageAnswer::Yes) {
            return false;
        }
        const QString failure = scorebook::createEmpty(path);
        if (!failure.isEmpty()) {
            m_context.messages->show(
                this,
                {QStringLiteral("Scorebook Not Created"),
                 QStringLiteral("The scorebook could not be created in the folder\n%1\n%2").arg(folder, failure),
                 MessageButtons::Ok, MessageIcon::Critical});
            return false;
        }
    } else if (check.health == scorebook::Health::Unreadable) {
        m_context.messages->show(this,
                                 {QStringLiteral("Scorebook Cannot Be Used"),
                                  QStringLiteral("The file %1 in the folder\n%2\nis not a scorebook: %3\n\n"
                                                 "The program ends and leaves the file as it is.")
                                      .arg(file.fileName(), folder, check.problem),
                                  MessageButtons::Ok, MessageIcon::Critical});
        return false;
    }
    // The file works without the later parts of the layout, so a failure to add them only leaves it as it was.
    const scorebook::LayoutResult layout = scorebook::bringUpToDate(path, QDate::currentDate());
    if (layout.outcome == scorebook::LayoutOutcome::Failed) {
        qWarning("The scorebook's layout was left as it was: %s", qUtf8Printable(layout.problem));
    }
    datgolf = std::make_unique<DataControl>();
    datgolf->setDatabaseName(path);
    datgolf->setRecordSource(QStringLiteral("courseinfo"));
    try {
        datgolf->refresh();
        datgolf->moveFirst();
    } catch (const DatabaseError &error) {
        m_context.messages->show(
            this,
            {QStringLiteral("Scorebook Cannot Be Used"), error.message(), MessageButtons::Ok, MessageIcon::Critical});
        return false;
    }
    return true;
}

void frmMain::play_swing()
{
    MMcsound->command(QStringLiteral("PLAY"));
    MMcsound->command(QStringLiteral("PREV"));
}

void frmMain::Option1_Click(int index)
{
    if (index == 0) {
        MMcsound->command(QStringLiteral("open"));
        Option1[0]->setChecked(true);
    } else {
        Option1[1]->setChecked(true);
        MMcsound->command(QStringLiteral("close"));
    }
}

void frmMain::openWindowFromMenu(const QString &name)
{
    // Windows that are not part of the program yet leave the menu where it is.
    if (!m_context.windows->knows(name)) {
        return;
    }
    play_swing();
    setVisible(false);
    m_context.windows->show(name);
}

void frmMain::cmdGolferInfo_Click()
{
    openWindowFromMenu(QStringLiteral("frmGolfer"));
}

void frmMain::cmdCourseInfo_Click()
{
    openWindowFromMenu(QStringLiteral("frmCourse"));
}

void frmMain::cmdRoundInfo_Click()
{
    openWindowFromMenu(QStringLiteral("frmScoreround"));
}

void frmMain::cmdStatInfo_Click()
{
    openWindowFromMenu(QStringLiteral("frmStats"));
}

void frmMain::cmdAbout_Click()
{
    setVisible(false);
    m_context.windows->show(QStringLiteral("frmAbout"));
}

void frmMain::cmdExit_Click()
{
    m_context.windows->exitProgram();
}

void frmMain::cmdHandicap_Click()
{
    openWindowFromMenu(QStringLiteral("frmHandicap"));
}

void frmMain::cmdTrends_Click()
{
    openWindowFromMenu(QStringLiteral("frmTrends"));
}

void frmMain::reopenScorebook()
{
    // A backup from before the later parts of the layout gets them, as on start-up.
    const scorebook::LayoutResult layout = scorebook::bringUpToDate(m_context.databasePath(), QDate::currentDate());
    if (layout.outcome == scorebook::LayoutOutcome::Failed) {
        qWarning("The scorebook's layout was left as it was: %s", qUtf8Printable(layout.problem));
    }
    try {
        reloadScorebookLists(m_context);
    } catch (const DatabaseError &error) {
        m_context.messages->show(this,
                                 {QStringLiteral(" Varnholt"),
                                  QStringLiteral("The scorebook could not be read.\n%1").arg(error.message()),
                                  MessageButtons::Ok, MessageIcon::Critical});
    }
}

void frmMain::leaveByFrame()
{
    cmdExit_Click();
}
