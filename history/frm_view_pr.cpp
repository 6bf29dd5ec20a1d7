#include "history/frm_view_pr.h"

#include "core/scorebook/database_error.h"
#include "core/scorebook/datgolf.h"
#include "history/rounds_table_model.h"
#include "ui/app_context.h"
#include "ui/exchange_flow.h"
#include "ui/form_controls.h"
#include "ui/navigator.h"

#include <QComboBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QTableView>
#include <QVBoxLayout>

#include <cmath>

namespace {

// Grid column of a table column: the grid's column 0 is its fixed column.
constexpr int tableColumn(int gridColumn)
{
    return gridColumn - 1;
}

constexpr int FirstHiddenParColumn = 26;

const QString EveryGolfer = QStringLiteral("All Golfers");

QFrame *makeLine(QWidget *parent)
{
    auto *line = new QFrame(parent);
    line->setObjectName(QStringLiteral("Line1"));
    line->setFrameShape(QFrame::HLine);
    line->setStyleSheet(QStringLiteral("color: rgb(255,213,79);"));
    return line;
}

} // namespace

frmViewPR::frmViewPR(AppContext &context)
    : FormWindow(context, QStringLiteral("frmViewPR"))
    , lblViewPR(new QLabel(QStringLiteral("View Prior Rounds"), this))
    , Grid1(new QTableView(this))
    , cboExportGolfer(new QComboBox(this))
    , cmdExport(makeButton(this, QStringLiteral("cmdExport"), QStringLiteral("&Export…"),
                           QStringLiteral(" Write the rounds of the golfer chosen beside, or all, to a CSV file ")))
    , cmdDone(new QPushButton(QStringLiteral("&Done"), this))
{
    setWindowTitle(QStringLiteral(" Prior Round Played"));
    QFont headingFont = font();
    headingFont.setPointSize(18);
    headingFont.setBold(true);
    auto *shadow = new QLabel(lblViewPR->text(), this);
    shadow->setObjectName(QStringLiteral("lblViewPRShadow"));
    lblViewPR->setObjectName(QStringLiteral("lblViewPR"));
    QWidget *heading = makeShadowedTitle(this, lblViewPR, shadow, headingFont);

    Grid1->setObjectName(QStringLiteral("Grid1"));
    Grid1->setAccessibleName(QStringLiteral("Prior rounds"));
    Grid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Grid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    Grid1->verticalHeader()->setVisible(false);
    Grid1->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    Grid1->setMinimumSize(900, 360);

    cmdDone->setObjectName(QStringLiteral("cmdDone"));
    connect(cmdDone, &QPushButton::clicked, this, &frmViewPR::cmdDone_Click);

    cboExportGolfer->setObjectName(QStringLiteral("cboExportGolfer"));
    cboExportGolfer->setAccessibleName(QStringLiteral("Rounds to export"));
    connect(cmdExport, &QPushButton::clicked, this, &frmViewPR::cmdExport_Click);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(cboExportGolfer);
    buttons->addWidget(cmdExport);
    buttons->addStretch();
    buttons->addWidget(cmdDone);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 12, 16, 12);
    layout->addWidget(makeLine(this));
    layout->addWidget(heading);
    layout->addWidget(makeLine(this));
    layout->addWidget(Grid1, 1);
    layout->addLayout(buttons);
}

frmViewPR::~frmViewPR() = default;

void frmViewPR::Form_Load()
{
    cboExportGolfer->addItem(EveryGolfer);
    for (const QString &golfer : m_context.pickLists.golfers()->stringList()) {
        if (cboExportGolfer->findText(golfer) < 0) {
            cboExportGolfer->addItem(golfer);
        }
    }
    datgolf = std::make_unique<DataControl>();
    datgolf->setDatabaseName(m_context.databasePath());
    datgolf->setRecordSource(QStringLiteral("rounds"));
    try {
        datgolf->refresh();
    } catch (const DatabaseError &error) {
        m_context.messages->show(this,
                                 {windowTitle(),
                                  QStringLiteral("The rounds could not be read.\n%1").arg(error.message()),
                                  MessageButtons::Ok, MessageIcon::Critical});
        return;
    }
    m_model = new RoundsTableModel(*datgolf, this);
    m_model->setBanding(palette().color(QPalette::Button));
    connect(m_model, &RoundsTableModel::readFailed, this, [this](const QString &why) {
        m_context.messages->show(this,
                                 {windowTitle(), QStringLiteral("Some rounds could not be read.\n%1").arg(why),
                                  MessageButtons::Ok, MessageIcon::Warning});
    });
    Grid1->setModel(m_model);
    setHeaders();
    setColumnWidths();
}

void frmViewPR::setHeaders()
{
    const auto set = [this](int gridColumn, const QString &text) {
        m_model->setHeaderData(tableColumn(gridColumn), Qt::Horizontal, text);
    };
    set(2, QStringLiteral("Name"));
    set(3, QStringLiteral("Course"));
    set(4, QStringLiteral("Date"));
    for (int hole = 1; hole <= 18; ++hole) {
        set(hole <= 9 ? hole + 4 : hole + 5, QLatin1Char(' ') + QString::number(hole));
    }
    // The front nine is "OUT" and the back nine "IN", as on every card.
    set(14, QStringLiteral("OUT"));
    set(24, QStringLiteral("IN"));
    set(25, QStringLiteral("TOT"));
}

void frmViewPR::setColumnWidths()
{
    const QFontMetrics metrics(Grid1->font());
    const auto measured = [&](const QString &sample, double factor) {
        return int(std::lround(metrics.horizontalAdvance(sample) * factor));
    };
    // Never narrower than the header and a few digits in bold, so no total is
    // cut; longer values are elided and read whole in the cell's tooltip.
    QFont bold = Grid1->font();
    bold.setBold(true);
    const int cellPadding = 2 * Grid1->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, Grid1) + 8;
    const int digitsWidth = QFontMetrics(bold).horizontalAdvance(QStringLiteral("8888")) + cellPadding;
    QHeaderView *header = Grid1->horizontalHeader();
    const auto setWidth = [&](int gridColumn, int width) {
        const int section = tableColumn(gridColumn);
        if (width == 0) {
            Grid1->setColumnHidden(section, true);
        } else {
            header->resizeSection(section, std::max({width, header->sectionSizeHint(section), digitsWidth}));
        }
    };
    setWidth(1, 0);
    setWidth(3, measured(QStringLiteral("Zudadaz Ererod"), 1.4));
    setWidth(4, measured(QStringLiteral("00/00/0000"), 1.2));
    for (int column = 5; column <= 13; ++column) {
        setWidth(column, measured(QStringLiteral("##"), 1.2));
    }
    setWidth(14, measured(QStringLiteral(" IN "), 1.4));
    for (int column = 15; column <= 23; ++column) {
        setWidth(column, measured(QStringLiteral("##"), 1.4));
    }
    setWidth(24, measured(QStringLiteral(" OUT"), 1.4));
    setWidth(25, measured(QStringLiteral("Total"), 1.4));
    for (int column = FirstHiddenParColumn; column <= m_model->columnCount(); ++column) {
        setWidth(column, 0);
    }
}

QString frmViewPR::headerText(int gridColumn) const
{
    return m_model ? m_model->headerData(tableColumn(gridColumn), Qt::Horizontal, Qt::DisplayRole).toString()
                   : QString();
}

int frmViewPR::columnWidth(int gridColumn) const
{
    if (gridColumn == 0 || Grid1->isColumnHidden(tableColumn(gridColumn))) {
        return 0;
    }
    return Grid1->columnWidth(tableColumn(gridColumn));
}

void frmViewPR::cmdDone_Click()
{
    m_context.windows->unload(objectName());
}

void frmViewPR::cmdExport_Click()
{
    const QString golfer = cboExportGolfer->currentIndex() > 0 ? cboExportGolfer->currentText() : QString();
    exportRecords(this, m_context, exchange::Kind::Rounds, golfer);
}

void frmViewPR::leaveByFrame()
{
    cmdDone_Click();
}
