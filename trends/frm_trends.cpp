#include "trends/frm_trends.h"

#include "core/scorebook/database_error.h"
#include "core/scorebook/scorebook_connection.h"
#include "core/trends/trend_source.h"
#include "trends/trend_chart.h"
#include "ui/app_context.h"
#include "ui/form_controls.h"
#include "ui/wait_cursor.h"

#include <QChartView>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include <SQLiteCpp/Database.h>

namespace {

const QString AllCourses = QStringLiteral("All Courses");
const QString Undated = QStringLiteral("undated");

struct FigureColumns
{
    trends::Figure figure;
    const char *title;
    const char *name;
    int decimals;
};
const FigureColumns Figures[] = {{trends::Figure::Total, "Round Total", "chtTotals", 0},
                                 {trends::Figure::Putts, "Putts", "chtPutts", 0},
                                 {trends::Figure::Index, "Handicap Index", "chtIndex", 1}};

QString figureText(const std::optional<double> &value, trends::Figure figure, int decimals)
{
    if (!value) {
        return {};
    }
    // A handicap index below zero is a plus handicap, written as golfers write it: +1.2.
    if (figure == trends::Figure::Index && *value < 0) {
        return QLatin1Char('+') + QString::number(-*value, 'f', decimals);
    }
    return QString::number(*value, 'f', decimals);
}

} // namespace

frmTrends::frmTrends(AppContext &context)
    : FormWindow(context, QStringLiteral("frmTrends"))
    , cboPlayer(makePickList(this, QStringLiteral("cboPlayer"), PickLists::golferPrompt(PickLists::StatisticsGolfers),
                             context.pickLists.golfers()))
    , cboCourse(new QComboBox(this))
    , lblSummary(new QLabel(this))
    , tabCharts(new QTabWidget(this))
    , grdFigures(new QTableWidget(this))
    , cmdDone(
          makeButton(this, QStringLiteral("cmdDone"), QStringLiteral("&Done"), QStringLiteral(" Close the trends ")))
    , cmdHelp(makeHelpButton())
{
    setWindowTitle(QStringLiteral("Trends"));
    cboCourse->setObjectName(QStringLiteral("cboCourse"));
    cboCourse->setAccessibleName(QStringLiteral("Course"));
    lblSummary->setObjectName(QStringLiteral("lblSummary"));
    lblSummary->setProperty("onGreen", true);
    tabCharts->setObjectName(QStringLiteral("tabCharts"));
    for (size_t at = 0; at < charts.size(); ++at) {
        const QString title = QString::fromLatin1(Figures[at].title);
        charts[at] = makeTrendChart(tabCharts, QString::fromLatin1(Figures[at].name), title);
        tabCharts->addTab(charts[at], title);
    }

    grdFigures->setObjectName(QStringLiteral("grdFigures"));
    grdFigures->setAccessibleName(QStringLiteral("Rounds with their figures"));
    grdFigures->setColumnCount(2 + 2 * trends::figureCount);
    QStringList headers {QStringLiteral("Date"), QStringLiteral("Course")};
    for (const FigureColumns &figure : Figures) {
        headers << QString::fromLatin1(figure.title) << QStringLiteral("Average of %1").arg(trends::averageSpan);
    }
    grdFigures->setHorizontalHeaderLabels(headers);
    grdFigures->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdFigures->setSelectionBehavior(QAbstractItemView::SelectRows);
    grdFigures->verticalHeader()->setVisible(false);
    grdFigures->setMinimumWidth(460);

    auto *choices = new QHBoxLayout;
    choices->addWidget(cboPlayer);
    choices->addWidget(cboCourse);
    choices->addWidget(lblSummary, 1);

    auto *figures = new QHBoxLayout;
    figures->addWidget(tabCharts, 3);
    figures->addWidget(grdFigures, 2);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(cmdDone);
    buttons->addStretch();
    buttons->addWidget(cmdHelp);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 12, 16, 12);
    layout->addLayout(choices);
    layout->addLayout(figures, 1);
    layout->addLayout(buttons);

    setTabOrder(cboPlayer, cboCourse);
    setTabOrder(cboCourse, tabCharts);
    setTabOrder(tabCharts, grdFigures);
    setTabOrder(grdFigures, cmdDone);
    setTabOrder(cmdDone, cmdHelp);

    connect(cboPlayer, &QComboBox::activated, this, &frmTrends::cboPlayer_Click);
    connect(cboCourse, &QComboBox::activated, this, &frmTrends::cboCourse_Click);
    connect(cmdDone, &QPushButton::clicked, this, &frmTrends::cmdDone_Click);
}

void frmTrends::Form_Load()
{
    showHelpPicture();
}

void frmTrends::Form_Activate()
{
    m_backToMenu = true;
    const QString course = chosenCourse();
    cboCourse->clear();
    cboCourse->addItem(AllCourses);
    cboCourse->addItems(m_context.pickLists.courses()->stringList());
    cboCourse->setCurrentIndex(std::max(0, cboCourse->findText(course)));
    cboPlayer->setFocus();
}

void frmTrends::showGolfer(const QString &golfer)
{
    m_backToMenu = false;
    cboPlayer->setCurrentIndex(cboPlayer->findText(golfer));
    cboPlayer->setEditText(golfer);
    m_golfer = golfer;
    computeTrends();
}

QString frmTrends::chosenCourse() const
{
    return cboCourse->currentIndex() > 0 ? cboCourse->currentText() : QString();
}

void frmTrends::cboPlayer_Click()
{
    m_golfer = cboPlayer->currentText();
    computeTrends();
}

void frmTrends::cboCourse_Click()
{
    if (!m_golfer.isEmpty()) {
        computeTrends();
    }
}

void frmTrends::computeTrends()
{
    WaitCursor hourglass;
    try {
        const auto scorebook = openScorebookConnection(m_context.databasePath());
        m_trends = trends::computeTrends(trends::readRoundFigures(*scorebook, m_golfer, chosenCourse()));
    } catch (const DatabaseError &error) {
        m_trends = {};
        m_context.messages->show(this,
                                 {windowTitle(),
                                  QStringLiteral("The rounds could not be read.\n%1").arg(error.message()),
                                  MessageButtons::Ok, MessageIcon::Critical});
    } catch (const SQLite::Exception &refusal) {
        m_trends = {};
        m_context.messages->show(
            this,
            {windowTitle(),
             QStringLiteral("The rounds could not be read.\n%1").arg(databaseErrorFrom(refusal).message()),
             MessageButtons::Ok, MessageIcon::Critical});
    }
    for (size_t at = 0; at < charts.size(); ++at) {
        showTrend(charts[at], trends::series(m_trends, Figures[at].figure));
    }
    fillTable();
    lblSummary->setText(QStringLiteral("%1 dated rounds, %2 undated (not in the charts)")
                            .arg(m_trends.dated.size())
                            .arg(m_trends.undated.size()));
}

void frmTrends::fillTable()
{
    // Filled with the updates held and sized once at the end: sizing the
    // columns on every cell makes a few hundred rounds take seconds.
    grdFigures->setUpdatesEnabled(false);
    grdFigures->clearContents();
    grdFigures->setRowCount(int(m_trends.dated.size() + m_trends.undated.size()));
    int row = 0;
    const auto fillRow = [this, &row](const trends::RoundFigures &round, const trends::Figures &averages) {
        const auto set = [this, &row](int column, const QString &text) {
            auto *item = new QTableWidgetItem(text);
            item->setTextAlignment(column < 2 ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignRight | Qt::AlignVCenter);
            grdFigures->setItem(row, column, item);
        };
        set(0, round.playedOn.isValid() ? round.playedOn.toString(QStringLiteral("yyyy-MM-dd")) : Undated);
        set(1, round.course);
        for (size_t at = 0; at < std::size(Figures); ++at) {
            const trends::Figure figure = Figures[at].figure;
            set(2 + 2 * int(at), figureText(trends::figure(round.values, figure), figure, Figures[at].decimals));
            set(3 + 2 * int(at), figureText(trends::figure(averages, figure), figure, Figures[at].decimals + 1));
        }
        ++row;
    };
    for (const trends::Row &dated : m_trends.dated) {
        fillRow(dated.round, dated.averages);
    }
    for (const trends::RoundFigures &undated : m_trends.undated) {
        fillRow(undated, {});
    }
    grdFigures->resizeColumnsToContents();
    grdFigures->setUpdatesEnabled(true);
}

void frmTrends::cmdDone_Click()
{
    if (m_backToMenu) {
        returnToMainMenu();
    } else {
        setVisible(false);
    }
}

void frmTrends::leaveByFrame()
{
    cmdDone_Click();
}
