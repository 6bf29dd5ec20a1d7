#include "stats/frm_stats.h"

#include "core/records/text_rules.h"
#include "core/rules/stats_figures.h"
#include "core/scorebook/database_error.h"
#include "core/scorebook/datgolf.h"
#include "core/scorebook/round_reading.h"
#include "printing/print_actions.h"
#include "printing/stats_page.h"
#include "ui/app_context.h"
#include "ui/form_controls.h"
#include "ui/list_loaders.h"
#include "ui/navigator.h"
#include "ui/wait_cursor.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString NotAvailable = QStringLiteral("N/A");

QGroupBox *makeFrame(QWidget *parent, const QString &name, const QString &caption)
{
    auto *frame = new QGroupBox(caption, parent);
    frame->setObjectName(name);
    auto *rows = new QGridLayout(frame);
    rows->setColumnStretch(0, 1);
    rows->setHorizontalSpacing(12);
    return frame;
}

} // namespace

frmStats::frmStats(AppContext &context)
    : FormWindow(context, QStringLiteral("frmStats"))
    , datgolf(std::make_unique<DataControl>())
    , lblPlayerStats(new QLabel(QStringLiteral("Player Statistics"), this))
    , cboPlayer(makePickList(this, QStringLiteral("cboPlayer"), PickLists::golferPrompt(PickLists::StatisticsGolfers),
                             context.pickLists.golfers()))
    , cboCourse(makePickList(this, QStringLiteral("cboCourse"), PickLists::coursePrompt(), context.pickLists.courses()))
    , fraScoreRecap(makeFrame(this, QStringLiteral("fraScoreRecap"), QStringLiteral(" Par Recap ")))
    , fraAveRecap(makeFrame(this, QStringLiteral("fraAveRecap"), QStringLiteral("Ave Strokes")))
    , fraTotals(makeFrame(this, QStringLiteral("fraTotals"), QStringLiteral("Strokes Total")))
    , fraRounds(makeFrame(this, QStringLiteral("fraRounds"), QStringLiteral("Strokes Per Round")))
    , lbldea(addValueRow(fraScoreRecap, QStringLiteral("Double Eagles"), QStringLiteral("lbldea")))
    , lblea(addValueRow(fraScoreRecap, QStringLiteral("Eagles"), QStringLiteral("lblea")))
    , lblbi(addValueRow(fraScoreRecap, QStringLiteral("Birdies"), QStringLiteral("lblbi")))
    , lblpa(addValueRow(fraScoreRecap, QStringLiteral("Pars"), QStringLiteral("lblpa")))
    , lblbo(addValueRow(fraScoreRecap, QStringLiteral("Boggies"), QStringLiteral("lblbo")))
    , lbldbo(addValueRow(fraScoreRecap, QStringLiteral("Double Boggies"), QStringLiteral("lbldbo")))
    , lbltbo(addValueRow(fraScoreRecap, QStringLiteral("Triple Boggies or More"), QStringLiteral("lbltbo")))
    , lblhio(addValueRow(fraScoreRecap, QStringLiteral("Holes In One"), QStringLiteral("lblhio")))
    , lblave3(addValueRow(fraAveRecap, QStringLiteral("Par 3's :"), QStringLiteral("lblave3")))
    , lblave4(addValueRow(fraAveRecap, QStringLiteral("Par 4's :"), QStringLiteral("lblave4")))
    , lblave5(addValueRow(fraAveRecap, QStringLiteral("Par 5's :"), QStringLiteral("lblave5")))
    , lblstrokes3(addValueRow(fraTotals, QStringLiteral("Par 3's :"), QStringLiteral("lblstrokes3")))
    , lblstrokes4(addValueRow(fraTotals, QStringLiteral("Par 4's :"), QStringLiteral("lblstrokes4")))
    , lblstrokes5(addValueRow(fraTotals, QStringLiteral("Par 5's :"), QStringLiteral("lblstrokes5")))
    , lblscoref9(addValueRow(fraRounds, QStringLiteral("Average Front Nine :"), QStringLiteral("lblscoref9")))
    , lblscoreb9(addValueRow(fraRounds, QStringLiteral("Average Back Nine  :"), QStringLiteral("lblscoreb9")))
    , lblscore18(addValueRow(fraRounds, QStringLiteral("Average Round 18   :"), QStringLiteral("lblscore18")))
    , cmdCalculateStats(makeButton(this, QStringLiteral("cmdCalculateStats"), QStringLiteral("&Calculate Stats"),
                                   QStringLiteral(" Click Here to Calculate your latest Stats ")))
    , cmdPutting(makeButton(this, QStringLiteral("cmdPutting"), QStringLiteral("&Putting"),
                            QStringLiteral(" Click here to see your putting  or stroke stats ")))
    , cmdTrends(makeButton(this, QStringLiteral("cmdTrends"), QStringLiteral("&Trends"),
                           QStringLiteral(" See this golfer's scores, putts and handicap over time ")))
    , cmdPrint(makeButton(this, QStringLiteral("cmdPrint"), QStringLiteral("Pri&nt…"),
                          QStringLiteral(" Print these statistics ")))
    , cmdPdf(makeButton(this, QStringLiteral("cmdPdf"), QStringLiteral("Save as P&DF…"),
                        QStringLiteral(" Save these statistics as a PDF file ")))
    , cmdMainMenu(makeButton(this, QStringLiteral("cmdMainMenu"), QStringLiteral("&Main Menu"),
                             QStringLiteral(" I want to go back to the Main Menu ")))
    , cmdHelp(makeHelpButton())
{
    setWindowTitle(QStringLiteral("Player Stats"));
    setStyleSheet(QStringLiteral(
        "QGroupBox { background: rgb(255,253,231); border: 2px solid rgb(13,59,18); border-radius: 6px;"
        " margin-top: 14px; padding: 10px 8px 6px 8px; font-weight: bold; color: rgb(27,94,32); }"
        "QGroupBox::title { subcontrol-origin: margin; left: 10px; padding: 0 4px; background: rgb(255,253,231);"
        " border: 1px solid rgb(13,59,18); border-radius: 3px; }"
        "QGroupBox QLabel { color: rgb(13,59,18); font-weight: normal; }"
        "QLabel[statValue=\"true\"] { background: white; border: 1px solid rgb(13,59,18); padding: 2px 6px; }"));

    lblPlayerStats->setObjectName(QStringLiteral("lblPlayerStats"));
    setPageTitle(lblPlayerStats);

    auto *choices = new QHBoxLayout;
    choices->addStretch();
    choices->addWidget(cboPlayer);
    choices->addSpacing(16);
    choices->addWidget(cboCourse);
    choices->addStretch();

    auto *figures = new QGridLayout;
    figures->setSpacing(12);
    figures->addWidget(fraScoreRecap, 0, 0, 3, 1);
    figures->addWidget(fraAveRecap, 0, 1);
    figures->addWidget(fraTotals, 1, 1);
    figures->addWidget(fraRounds, 2, 1);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(cmdCalculateStats);
    buttons->addWidget(cmdPutting);
    buttons->addWidget(cmdTrends);
    buttons->addWidget(cmdPrint);
    buttons->addWidget(cmdPdf);
    buttons->addWidget(cmdMainMenu);
    buttons->addStretch();
    buttons->addWidget(cmdHelp);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 14, 20, 14);
    layout->addWidget(lblPlayerStats);
    layout->addLayout(choices);
    layout->addSpacing(6);
    layout->addLayout(figures);
    layout->addSpacing(6);
    layout->addLayout(buttons);

    setTabOrder(cboPlayer, cboCourse);
    setTabOrder(cboCourse, cmdCalculateStats);
    setTabOrder(cmdCalculateStats, cmdPutting);
    setTabOrder(cmdPutting, cmdTrends);
    setTabOrder(cmdTrends, cmdPrint);
    setTabOrder(cmdPrint, cmdPdf);
    setTabOrder(cmdPdf, cmdMainMenu);
    setTabOrder(cmdMainMenu, cmdHelp);
    describeFigures(QStringLiteral("strokes"));

    connect(cboCourse, &QComboBox::activated, this, &frmStats::cboCourse_Click);
    connect(cboPlayer, &QComboBox::activated, this, &frmStats::cboPlayer_Click);
    connect(cmdCalculateStats, &QPushButton::clicked, this, &frmStats::cmdCalculateStats_Click);
    connect(cmdPutting, &QPushButton::clicked, this, &frmStats::cmdPutting_Click);
    connect(cmdMainMenu, &QPushButton::clicked, this, &frmStats::cmdMainMenu_Click);
    connect(cmdTrends, &QPushButton::clicked, this, &frmStats::cmdTrends_Click);
    connect(cmdPrint, &QPushButton::clicked, this, &frmStats::cmdPrint_Click);
    connect(cmdPdf, &QPushButton::clicked, this, &frmStats::cmdPdf_Click);
}

frmStats::~frmStats() = default;

QLabel *frmStats::addValueRow(QGroupBox *frame, const QString &caption, const QString &name)
{
    auto *rows = static_cast<QGridLayout *>(frame->layout());
    const int row = rows->rowCount() == 1 && !rows->itemAtPosition(0, 0) ? 0 : rows->rowCount();
    auto *value = new QLabel(QStringLiteral("0"), frame);
    value->setObjectName(name);
    value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    value->setMinimumWidth(72);
    value->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    value->setTextInteractionFlags(Qt::TextSelectableByMouse);
    value->setProperty("statValue", true);
    value->setAccessibleDescription(caption);
    rows->addWidget(new QLabel(caption, frame), row, 0);
    rows->addWidget(value, row, 1);
    return value;
}

std::array<QLabel *, 7> frmStats::recapLabels() const
{
    return {lbldea, lblea, lblbi, lblpa, lblbo, lbldbo, lbltbo};
}

void frmStats::describeFigures(const QString &measure)
{
    const QString parTypes[] = {QStringLiteral("3"), QStringLiteral("4"), QStringLiteral("5")};
    const std::array<QLabel *, 3> averages = {lblave3, lblave4, lblave5};
    const std::array<QLabel *, 3> totals = {lblstrokes3, lblstrokes4, lblstrokes5};
    for (int i = 0; i < 3; ++i) {
        averages[i]->setAccessibleDescription(QStringLiteral("Average %1 on par %2 holes").arg(measure, parTypes[i]));
        totals[i]->setAccessibleDescription(QStringLiteral("Total %1 on par %2 holes").arg(measure, parTypes[i]));
    }
    lblscoref9->setAccessibleDescription(QStringLiteral("Average front nine %1").arg(measure));
    lblscoreb9->setAccessibleDescription(QStringLiteral("Average back nine %1").arg(measure));
    lblscore18->setAccessibleDescription(QStringLiteral("Average eighteen hole %1").arg(measure));
}

void frmStats::tell(const QString &title, const QString &text)
{
    m_context.messages->show(this, {title, text, MessageButtons::Ok, MessageIcon::Information});
}

void frmStats::Form_Load()
{
    datgolf->setDatabaseName(m_context.databasePath());
    datgolf->setRecordSource(QStringLiteral("rounds"));
    try {
        datgolf->refresh();
    } catch (const DatabaseError &error) {
        tell(QStringLiteral("Player Stats"), QStringLiteral("The rounds could not be read.\n%1").arg(error.message()));
    }
    load_course_lists(m_context.state, m_context.pickLists);
    showHelpPicture();
    cmdCalculateStats->setEnabled(false);
}

void frmStats::Form_Activate()
{
    for (QLabel *label : recapLabels()) {
        label->setText(QStringLiteral("0"));
    }
    lblhio->setText(QStringLiteral("0"));
    for (QLabel *label : {lblave3, lblave4, lblave5}) {
        label->setText(text::averageFormat(0.0));
    }
}

void frmStats::cboCourse_Click()
{
    cmdCalculateStats->setEnabled(true);
}

void frmStats::cboPlayer_Click()
{
    cmdCalculateStats->setEnabled(true);
}

void frmStats::cmdCalculateStats_Click()
{
    m_stats = Stats();
    m_statsGolfer.clear();
    m_statsCourse.clear();
    const QString course = cboCourse->currentText();
    const QString golfer = cboPlayer->currentText();
    if (course == QLatin1String("Select Course") || course.isEmpty()) {
        tell(QStringLiteral("No Course Selected"), QStringLiteral("You must select a course to calculate"));
    } else if (golfer.isEmpty() || golfer.trimmed() == QLatin1String("Select Golfer")) {
        tell(QStringLiteral("No Golfer Selected"), QStringLiteral("You must select a Golfer for stats."));
    } else {
        try {
            WaitCursor hourglass;
            datgolf->refresh();
            if (datgolf->isEmpty()) {
                tell(QStringLiteral("No Recorded Rounds"), QStringLiteral("There are no Rounds to compute"));
            } else {
                m_stats = computeStats(readRoundsPlayedBy(*datgolf, golfer, course));
                m_statsGolfer = golfer;
                m_statsCourse = course;
            }
        } catch (const DatabaseError &error) {
            // Left enabled, so the same choice can be computed again once the scorebook answers.
            m_context.messages->show(this,
                                     {QStringLiteral("Player Stats"),
                                      QStringLiteral("The rounds could not be read.\n%1").arg(error.message()),
                                      MessageButtons::Ok, MessageIcon::Critical});
            return;
        }
        show_stroke_labels();
        show_stroke_values();
    }
    cmdCalculateStats->setEnabled(false);
}

void frmStats::cmdPutting_Click()
{
    m_puttingShown = !m_puttingShown;
    if (m_puttingShown) {
        setCaption(cmdPutting, QStringLiteral("&Strokes"));
        show_putting_labels();
        show_putting_values();
    } else {
        setCaption(cmdPutting, QStringLiteral("&Putting"));
        show_stroke_labels();
        show_stroke_values();
    }
}

void frmStats::cmdMainMenu_Click()
{
    returnToMainMenu();
}

void frmStats::cmdTrends_Click()
{
    const QString golfer = cboPlayer->currentText();
    if (golfer.isEmpty() || golfer.trimmed() == QLatin1String("Select Golfer")) {
        tell(QStringLiteral("No Golfer Selected"), QStringLiteral("You must select a Golfer for trends."));
        return;
    }
    if (FormWindow *trends = m_context.windows->show(QStringLiteral("frmTrends"))) {
        QMetaObject::invokeMethod(trends, "showGolfer", Q_ARG(QString, golfer));
    }
}

bool frmStats::statsComputed()
{
    if (m_statsGolfer.isEmpty()) {
        tell(QStringLiteral("No Stats Calculated"),
             QStringLiteral("Calculate the stats of a golfer on a course first."));
        return false;
    }
    return true;
}

void frmStats::cmdPrint_Click()
{
    if (statsComputed()) {
        printPage(this, m_context, statsPage(m_statsGolfer, m_statsCourse, m_stats));
    }
}

void frmStats::cmdPdf_Click()
{
    if (statsComputed()) {
        savePageAsPdf(this, m_context, statsPage(m_statsGolfer, m_statsCourse, m_stats),
                      QStringLiteral("Statistics %1 %2.pdf").arg(m_statsGolfer.trimmed(), m_statsCourse.trimmed()));
    }
}

void frmStats::leaveByFrame()
{
    cmdMainMenu_Click();
}

void frmStats::show_stroke_labels()
{
    fraScoreRecap->setTitle(QStringLiteral(" Par Recap Strokes "));
    fraAveRecap->setTitle(QStringLiteral(" Ave Strokes "));
    fraTotals->setTitle(QStringLiteral("Stroke Total"));
    fraRounds->setTitle(QStringLiteral("Strokes Per Round"));
    cboCourse->setVisible(true);
    cboPlayer->setVisible(true);
    describeFigures(QStringLiteral("strokes"));
}

void frmStats::show_putting_labels()
{
    fraScoreRecap->setTitle(QStringLiteral(" Par Recap Putting "));
    fraAveRecap->setTitle(QStringLiteral(" Ave Putts "));
    fraTotals->setTitle(QStringLiteral("Putt Total"));
    fraRounds->setTitle(QStringLiteral("Putts Per Round"));
    cboCourse->setVisible(false);
    cboPlayer->setVisible(false);
    describeFigures(QStringLiteral("putts"));
}

void frmStats::showRecap(const std::array<int, 7> &recap)
{
    const auto labels = recapLabels();
    for (int i = 0; i < int(labels.size()); ++i) {
        labels[i]->setText(QString::number(recap[i]));
    }
    lblhio->setText(QString::number(m_stats.holes_in_one));
}

void frmStats::showFigures(const StatsFigures &figures)
{
    // Every figure is written, so nothing of an earlier computation stays on screen.
    const std::array<QLabel *, 3> averages = {lblave3, lblave4, lblave5};
    const std::array<QLabel *, 3> totals = {lblstrokes3, lblstrokes4, lblstrokes5};
    const std::array<QLabel *, 3> rounds = {lblscoref9, lblscoreb9, lblscore18};
    for (int i = 0; i < 3; ++i) {
        averages[i]->setText(figures.parAverage[i]);
        totals[i]->setText(figures.parTotal[i]);
        rounds[i]->setText(figures.roundAverage[i]);
    }
}

void frmStats::show_stroke_values()
{
    showRecap(m_stats.stroke_recap);
    showFigures(strokeFigures(m_stats));
}

void frmStats::show_putting_values()
{
    showRecap(m_stats.putt_recap);
    showFigures(puttFigures(m_stats));
}
