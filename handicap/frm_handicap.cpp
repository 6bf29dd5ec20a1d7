#include "handicap/frm_handicap.h"

#include "core/handicap/handicap_computation.h"
#include "core/handicap/handicap_source.h"
#include "core/scorebook/database_error.h"
#include "core/scorebook/scorebook_connection.h"
#include "handicap/handicap_rows.h"
#include "handicap/handicap_table.h"
#include "ui/app_context.h"
#include "ui/form_controls.h"
#include "ui/pick_lists.h"
#include "ui/wait_cursor.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <SQLiteCpp/Database.h>

namespace {

const QString GolferPrompt = PickLists::golferPrompt(PickLists::StatisticsGolfers);

} // namespace

frmHandicap::frmHandicap(AppContext &context)
    : FormWindow(context, QStringLiteral("frmHandicap"))
    , lblTitle(new QLabel(QStringLiteral("Handicap Index"), this))
    , cboPlayer(makePickList(this, QStringLiteral("cboPlayer"), GolferPrompt, context.pickLists.golfers()))
    , lblIndex(makeValue(QStringLiteral("lblIndex"), QStringLiteral("Handicap index")))
    , lblIndexNote(makeValue(QStringLiteral("lblIndexNote"), QStringLiteral("Why there is no index")))
    , lblLowIndex(makeValue(QStringLiteral("lblLowIndex"), QStringLiteral("Low index")))
    , grdCounted(
          makeTable(QStringLiteral("grdCounted"), QStringLiteral("Counted rounds"), handicap_rows::countedHeaders()))
    , grdNotCounted(makeTable(QStringLiteral("grdNotCounted"), QStringLiteral("Rounds not counted"),
                              handicap_rows::notCountedHeaders()))
    , cmdMainMenu(makeButton(this, QStringLiteral("cmdMainMenu"), QStringLiteral("&Main Menu"),
                             QStringLiteral(" Back to the Main Menu ")))
    , cmdHelp(makeHelpButton())
{
    setWindowTitle(QStringLiteral("Handicap Index"));
    setStyleSheet(QStringLiteral("QLabel[handicapValue=\"true\"] { color: rgb(255,253,231); font-weight: bold; }"
                                 "QTableWidget { background: rgb(255,253,231); color: rgb(13,59,18);"
                                 " gridline-color: rgb(27,94,32); }"
                                 "QTableWidget:focus { border: 2px solid rgb(255,213,79); }"
                                 "QHeaderView::section { background: rgb(27,94,32); color: rgb(255,253,231);"
                                 " font-weight: bold; padding: 2px 4px; }"));
    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    setPageTitle(lblTitle);
    QFont indexFont = lblIndex->font();
    indexFont.setPointSize(indexFont.pointSize() + 6);
    lblIndex->setFont(indexFont);

    auto *figures = new QFormLayout;
    figures->addRow(makeCaption(this, QStringLiteral("&Golfer:"), cboPlayer), cboPlayer);
    figures->addRow(makeCaption(this, QStringLiteral("Handicap Index:"), lblIndex), lblIndex);
    figures->addRow(QString(), lblIndexNote);
    figures->addRow(makeCaption(this, QStringLiteral("Low index:"), lblLowIndex), lblLowIndex);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(cmdMainMenu);
    buttons->addStretch();
    buttons->addWidget(cmdHelp);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 12, 16, 12);
    layout->addWidget(lblTitle);
    layout->addLayout(figures);
    layout->addWidget(makeCaption(this, QStringLiteral("&Counted rounds, the most recent 20:"), grdCounted));
    layout->addWidget(grdCounted, 3);
    layout->addWidget(makeCaption(this, QStringLiteral("&Rounds not counted:"), grdNotCounted));
    layout->addWidget(grdNotCounted, 2);
    layout->addLayout(buttons);
    resize(1100, 700);
    // The tab order is the order the controls are made in: golfer, tables, buttons.

    connect(cboPlayer, qOverload<int>(&QComboBox::activated), this, &frmHandicap::cboPlayer_Click);
    connect(cmdMainMenu, &QPushButton::clicked, this, &frmHandicap::cmdMainMenu_Click);
}

frmHandicap::~frmHandicap() = default;

QLabel *frmHandicap::makeValue(const QString &name, const QString &meaning)
{
    // A screen reader reads the value as the label's name, and what it is from the description.
    auto *value = new QLabel(this);
    value->setObjectName(name);
    value->setAccessibleDescription(meaning);
    value->setProperty("handicapValue", true);
    value->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    return value;
}

QTableWidget *frmHandicap::makeTable(const QString &name, const QString &accessibleName, const QStringList &headers)
{
    auto *table = new QTableWidget(0, int(headers.size()), this);
    table->setObjectName(name);
    table->setAccessibleName(accessibleName);
    table->setHorizontalHeaderLabels(headers);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    // Tab leaves the table for the next control; the arrows move within it.
    table->setTabKeyNavigation(false);
    table->verticalHeader()->setVisible(false);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->horizontalHeader()->setStretchLastSection(true);
    return table;
}

void frmHandicap::Form_Load()
{
    showHelpPicture();
    showNoGolfer();
}

void frmHandicap::Form_Activate()
{
    // Rounds may have been saved, or the golfer removed, since the window was last shown.
    if (cboPlayer->currentIndex() >= 0 && cboPlayer->currentText() == cboPlayer->itemText(cboPlayer->currentIndex())) {
        showGolfer(cboPlayer->currentText());
    } else {
        showNoGolfer();
    }
    cboPlayer->setFocus(Qt::OtherFocusReason);
}

void frmHandicap::chooseGolfer(const QString &golfer)
{
    const int listed = cboPlayer->findText(golfer, Qt::MatchExactly);
    if (listed < 0) {
        showPrompt(cboPlayer, GolferPrompt);
        showNoGolfer();
        return;
    }
    cboPlayer->setCurrentIndex(listed);
    showGolfer(golfer);
}

void frmHandicap::cboPlayer_Click()
{
    showGolfer(cboPlayer->currentText());
}

void frmHandicap::showNoGolfer()
{
    lblIndex->setText(QStringLiteral("none"));
    lblIndexNote->setText(QStringLiteral("Choose a golfer to see the index."));
    lblLowIndex->setText(QStringLiteral("none"));
    fillTable(*grdCounted, {});
    fillTable(*grdNotCounted, {});
}

void frmHandicap::showGolfer(const QString &golfer)
{
    handicap::HandicapResult result;
    try {
        WaitCursor hourglass;
        if (!m_scorebook) {
            m_scorebook = openScorebookConnection(m_context.databasePath());
        }
        result = handicap::computeHandicap(handicap::readHandicapInputs(*m_scorebook, golfer));
    } catch (const DatabaseError &error) {
        tell(error.message());
        return;
    } catch (const SQLite::Exception &error) {
        tell(databaseErrorFrom(error).message());
        return;
    }
    lblIndex->setText(handicap_rows::indexValue(result));
    lblIndexNote->setText(handicap_rows::indexNote(result));
    lblLowIndex->setText(handicap_rows::lowIndexValue(result));
    fillTable(*grdCounted, handicap_rows::countedRows(result));
    fillTable(*grdNotCounted, handicap_rows::notCountedRows(result));
}

void frmHandicap::tell(const QString &text)
{
    showNoGolfer();
    m_context.messages->show(this,
                             {windowTitle(), QStringLiteral("The index could not be read.\n%1").arg(text),
                              MessageButtons::Ok, MessageIcon::Critical});
}

void frmHandicap::cmdMainMenu_Click()
{
    returnToMainMenu();
}

void frmHandicap::leaveByFrame()
{
    cmdMainMenu_Click();
}
