#include "golfers/frm_round_details.h"

#include "core/handicap/played_on_text.h"
#include "core/handicap/tees.h"
#include "core/scorebook/database_error.h"
#include "core/scorebook/scorebook_connection.h"
#include "ui/app_context.h"
#include "ui/form_controls.h"
#include "ui/navigator.h"
#include "ui/wait_cursor.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <SQLiteCpp/Database.h>

namespace {

const QString Title = QStringLiteral("Round Details");

std::optional<QDate> dayFromText(const QString &text)
{
    return handicap::playedOnFromText(text, QLocale(), QDate::currentDate());
}

QTableWidgetItem *fixedItem(const QString &text)
{
    auto *item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}

// The tee key for a typed caption ("white" for "White"), or nothing.
std::optional<QString> teeFromText(const QString &text)
{
    for (const handicap::Tee &tee : handicap::tees) {
        if (text.trimmed().compare(handicap::teeCaption(tee), Qt::CaseInsensitive) == 0) {
            return handicap::teeKey(tee);
        }
    }
    return std::nullopt;
}

} // namespace

frmRoundDetails::frmRoundDetails(AppContext &context)
    : FormWindow(context, QStringLiteral("frmRoundDetails"))
    , lblGolfer(new QLabel(this))
    , grdRounds(new QTableWidget(0, Columns, this))
    , lblOutcome(new QLabel(this))
    , cmdSave(makeButton(this, QStringLiteral("cmdSave"), QStringLiteral("&Save"),
                         QStringLiteral(" Store the tee and date of every round marked to count ")))
    , cmdBack(makeButton(this, QStringLiteral("cmdBack"), QStringLiteral("&Back to Golfers"),
                         QStringLiteral(" Back to the golfer roster ")))
    , cmdHelp(makeHelpButton())
{
    setWindowTitle(QStringLiteral("Fill In Round Details"));
    lblGolfer->setObjectName(QStringLiteral("lblGolfer"));
    lblGolfer->setProperty("onGreen", true);
    lblGolfer->setWordWrap(true);
    lblOutcome->setObjectName(QStringLiteral("lblOutcome"));
    lblOutcome->setAccessibleDescription(QStringLiteral("What the last save did"));
    lblOutcome->setProperty("onGreen", true);
    setStyleSheet(QStringLiteral("QTableWidget { background: rgb(255,253,231); color: rgb(13,59,18); }"
                                 "QTableWidget:focus { border: 2px solid rgb(255,213,79); }"
                                 "QHeaderView::section { background: rgb(27,94,32); color: rgb(255,253,231);"
                                 " font-weight: bold; padding: 2px 4px; }"));

    grdRounds->setObjectName(QStringLiteral("grdRounds"));
    grdRounds->setAccessibleName(QStringLiteral("Rounds without a tee and date"));
    grdRounds->setHorizontalHeaderLabels({QStringLiteral("Date as saved"), QStringLiteral("Course"),
                                          QStringLiteral("Played on (YYYY-MM-DD)"), QStringLiteral("Tee"),
                                          QStringLiteral("Count")});
    grdRounds->setTabKeyNavigation(false);
    grdRounds->verticalHeader()->setVisible(false);
    grdRounds->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    grdRounds->setEditTriggers(QAbstractItemView::AllEditTriggers);
    QLabel *caption = makeCaption(this,
                                  QStringLiteral("&Rounds: type the day played and the tee (Blue, White or Red); "
                                                 "clear Count to leave a round out of the index."),
                                  grdRounds);
    caption->setWordWrap(true);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(cmdSave);
    buttons->addWidget(cmdBack);
    buttons->addStretch();
    buttons->addWidget(cmdHelp);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 12, 16, 12);
    layout->addWidget(lblGolfer);
    layout->addWidget(caption);
    layout->addWidget(grdRounds, 1);
    layout->addWidget(lblOutcome);
    layout->addLayout(buttons);
    resize(760, 520);

    connect(cmdSave, &QPushButton::clicked, this, &frmRoundDetails::cmdSave_Click);
    connect(cmdBack, &QPushButton::clicked, this, &frmRoundDetails::cmdBack_Click);
}

frmRoundDetails::~frmRoundDetails() = default;

void frmRoundDetails::Form_Load()
{
    showHelpPicture();
}

SQLite::Database &frmRoundDetails::scorebook()
{
    if (!m_scorebook) {
        m_scorebook = openScorebookConnection(m_context.databasePath());
    }
    return *m_scorebook;
}

void frmRoundDetails::chooseGolfer(const QString &golfer)
{
    m_golfer = golfer;
    lblOutcome->clear();
    listRounds();
    grdRounds->setFocus(Qt::OtherFocusReason);
}

void frmRoundDetails::listRounds()
{
    WaitCursor hourglass;
    m_rounds.clear();
    try {
        m_rounds = handicap::roundsWithoutDetails(scorebook(), m_golfer);
    } catch (const DatabaseError &error) {
        tell(QStringLiteral("The rounds could not be read.\n%1").arg(error.message()), MessageIcon::Critical);
    }
    lblGolfer->setText(QStringLiteral("Rounds of %1 saved without a tee and date: %2")
                           .arg(m_golfer, QString::number(m_rounds.size())));
    const QString usualTee = handicap::teeCaptionOf(QString::fromLatin1(handicap::usualTee));
    grdRounds->setRowCount(0);
    grdRounds->setRowCount(int(m_rounds.size()));
    for (int row = 0; row < int(m_rounds.size()); ++row) {
        const handicap::UndetailedRound &round = m_rounds[row];
        const std::optional<QDate> day = dayFromText(round.date);
        grdRounds->setItem(row, StoredDate, fixedItem(round.date));
        grdRounds->setItem(row, Course, fixedItem(round.course));
        grdRounds->setItem(row, PlayedOn, new QTableWidgetItem(day ? handicap::playedOnText(*day) : QString()));
        grdRounds->setItem(row, Tee, new QTableWidgetItem(usualTee));
        auto *counted = fixedItem(QStringLiteral("Count"));
        counted->setFlags(counted->flags() | Qt::ItemIsUserCheckable);
        // A round whose saved date is no real date is left out until the user gives it one.
        counted->setCheckState(day ? Qt::Checked : Qt::Unchecked);
        grdRounds->setItem(row, Counted, counted);
    }
    cmdSave->setEnabled(!m_rounds.empty());
}

std::optional<std::vector<handicap::DetailsOfRound>> frmRoundDetails::checkedDetails()
{
    std::vector<handicap::DetailsOfRound> details;
    for (int row = 0; row < int(m_rounds.size()); ++row) {
        if (grdRounds->item(row, Counted)->checkState() != Qt::Checked) {
            continue;
        }
        const QString which = QStringLiteral("The round of \"%1\" at %2").arg(m_rounds[row].date, m_rounds[row].course);
        const std::optional<QDate> day = dayFromText(grdRounds->item(row, PlayedOn)->text());
        if (!day) {
            grdRounds->setCurrentCell(row, PlayedOn);
            tell(which + QStringLiteral(" needs a real day played, such as 2026-06-12, or clear its Count."));
            return std::nullopt;
        }
        const std::optional<QString> tee = teeFromText(grdRounds->item(row, Tee)->text());
        if (!tee) {
            grdRounds->setCurrentCell(row, Tee);
            tell(which + QStringLiteral(" needs a tee: Blue, White or Red."));
            return std::nullopt;
        }
        details.push_back({m_rounds[row].recordNo, handicap::RoundDetails {*tee, *day, 0}});
    }
    return details;
}

void frmRoundDetails::cmdSave_Click()
{
    const auto details = checkedDetails();
    if (!details) {
        return;
    }
    try {
        WaitCursor hourglass;
        handicap::storeRoundDetails(scorebook(), *details);
    } catch (const DatabaseError &error) {
        tell(QStringLiteral("Nothing was saved.\n%1").arg(error.message()), MessageIcon::Critical);
        return;
    }
    listRounds();
    lblOutcome->setText(QStringLiteral("%1 rounds filled in; %2 left out.").arg(details->size()).arg(m_rounds.size()));
}

void frmRoundDetails::tell(const QString &text, MessageIcon icon)
{
    m_context.messages->show(this, {Title, text, MessageButtons::Ok, icon});
}

void frmRoundDetails::cmdBack_Click()
{
    setVisible(false);
    m_context.windows->show(QStringLiteral("frmGolfer"));
}

void frmRoundDetails::leaveByFrame()
{
    cmdBack_Click();
}
