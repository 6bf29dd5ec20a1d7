#include "golfers/frm_golfer.h"

#include "core/records/text_rules.h"
#include "core/rules/golfer_removal.h"
#include "core/scorebook/database_error.h"
#include "core/scorebook/datgolf.h"
#include "ui/app_context.h"
#include "ui/form_controls.h"
#include "ui/golfer_chooser.h"
#include "ui/list_loaders.h"
#include "ui/navigator.h"
#include "ui/pick_lists.h"
#include "ui/wait_cursor.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

frmGolfer::frmGolfer(AppContext &context)
    : FormWindow(context, QStringLiteral("frmGolfer"))
    , lblTitle(new QLabel(QStringLiteral("Please Enter Your Name"), this))
    , lblShadow(new QLabel(QStringLiteral("Please Enter Your Name"), this))
    , lblName(new QLabel(QStringLiteral("Name"), this))
    , cboAddGolfer(makePickList(this, QStringLiteral("cboAddGolfer"), PickLists::golferPrompt(PickLists::Roster),
                                context.pickLists.golfers()))
    , cmdSaveName(
          makeButton(this, QStringLiteral("cmdSaveName"), QStringLiteral("&Add"), QStringLiteral(" Add a Golfer")))
    , cmdDeleteGolfer(makeButton(this, QStringLiteral("cmdDeleteGolfer"), QStringLiteral("&Delete"),
                                 QStringLiteral(" Delete a Golfer ")))
    , cmdExit(makeButton(this, QStringLiteral("cmdExit"), QStringLiteral("&Main Menu"),
                         QStringLiteral("Go Back to the Main Menu ")))
    , cmdHelp(makeHelpButton())
    , cmdHandicap(makeButton(this, QStringLiteral("cmdHandicap"), QStringLiteral("&Handicap"),
                             QStringLiteral(" The Handicap Index of this golfer ")))
    , cmdRoundDetails(makeButton(this, QStringLiteral("cmdRoundDetails"), QStringLiteral("Fill in &round details..."),
                                 QStringLiteral(" Tee and date of this golfer's rounds saved before handicaps ")))
{
    setWindowTitle(QStringLiteral("Enter Golfer Information"));
    lblName->setProperty("onGreen", true);

    QFont rounded(QStringLiteral("Arial Rounded MT Bold"), 12);
    rounded.setBold(true);
    QFont titleFont = rounded;
    titleFont.setPointSize(20);
    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    lblShadow->setObjectName(QStringLiteral("lblShadow"));
    lblName->setObjectName(QStringLiteral("lblName"));
    lblName->setFont(rounded);
    lblName->setBuddy(cboAddGolfer);

    if (!context.pickLists.golfersLoaded()) {
        cboAddGolfer->clearEditText(); // empty until the golfer lists are first filled
    }
    cboAddGolfer->setFont(rounded);
    cboAddGolfer->setMinimumWidth(280);
    cboAddGolfer->setAccessibleName(QStringLiteral("Golfer name"));

    QWidget *heading = makeShadowedTitle(this, lblTitle, lblShadow, titleFont);

    auto *nameRow = new QHBoxLayout;
    nameRow->addWidget(lblName);
    nameRow->addWidget(cboAddGolfer, 1);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(cmdSaveName);
    buttons->addWidget(cmdDeleteGolfer);
    buttons->addWidget(cmdExit);
    buttons->addStretch();
    buttons->addWidget(cmdHelp);
    auto *handicapButtons = new QHBoxLayout;
    handicapButtons->addWidget(cmdHandicap);
    handicapButtons->addWidget(cmdRoundDetails);
    handicapButtons->addStretch();

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 18, 24, 18);
    layout->setSpacing(16);
    layout->addWidget(heading);
    layout->addLayout(nameRow);
    layout->addLayout(buttons);
    layout->addLayout(handicapButtons);

    connect(cmdSaveName, &QPushButton::clicked, this, &frmGolfer::cmdSaveName_Click);
    connect(cmdDeleteGolfer, &QPushButton::clicked, this, &frmGolfer::cmdDeleteGolfer_Click);
    connect(cmdExit, &QPushButton::clicked, this, &frmGolfer::cmdExit_Click);
    connect(cmdHandicap, &QPushButton::clicked, this, &frmGolfer::cmdHandicap_Click);
    connect(cmdRoundDetails, &QPushButton::clicked, this, &frmGolfer::cmdRoundDetails_Click);
}

frmGolfer::~frmGolfer() = default;

void frmGolfer::Form_Load()
{
    datgolf = std::make_unique<DataControl>();
    try {
        openGolfers();
    } catch (const DatabaseError &error) {
        tellRefusal(QStringLiteral("Golfers"), error.message());
    }
    showHelpPicture();
}

void frmGolfer::openGolfers()
{
    datgolf->setDatabaseName(m_context.databasePath());
    datgolf->setRecordSource(QStringLiteral("golfers"));
    datgolf->refresh();
}

void frmGolfer::refillGolferLists()
{
    openGolfers();
    load_golfer_lists(*datgolf, m_context.pickLists);
}

void frmGolfer::tellRefusal(const QString &title, const QString &why)
{
    m_context.messages->show(this, {title, why, MessageButtons::Ok, MessageIcon::Critical});
}

void frmGolfer::cmdSaveName_Click()
{
    const QString name = cboAddGolfer->currentText();
    if (name.isEmpty() || text::trimBlanks(name) == PickLists::golferPrompt(PickLists::Roster)) {
        m_context.messages->show(this,
                                 {QStringLiteral("Error adding new golfer."),
                                  QStringLiteral("Error! No new golfer to add."), MessageButtons::Ok});
        return;
    }
    try {
        openGolfers();
        datgolf->addNew();
        datgolf->setField(QStringLiteral("golfer_name"), name);
        datgolf->update();
    } catch (const DatabaseError &error) {
        tellRefusal(QStringLiteral("Error adding new golfer."),
                    QStringLiteral("%1 was not added.\n%2").arg(name, error.message()));
        return;
    }
    try {
        refillGolferLists();
    } catch (const DatabaseError &error) {
        tellRefusal(QStringLiteral("Golfers"), error.message());
    }
}

void frmGolfer::cmdDeleteGolfer_Click()
{
    const MessageAnswer answer
        = m_context.messages->show(this,
                                   {QStringLiteral(" Delete a Golfer and all thier Rounds? "),
                                    QStringLiteral("Are you sure you want to delete this golfer?\r\n"
                                                   "All rounds for this golfer will be deleted also."),
                                    MessageButtons::YesNo, MessageIcon::Question, MessageAnswer::No});
    if (answer != MessageAnswer::Yes) {
        return;
    }
    const QString name = cboAddGolfer->currentText();
    GolferRemoval outcome;
    try {
        WaitCursor hourglass;
        openGolfers();
        outcome = removeGolfer(*datgolf, name);
    } catch (const DatabaseError &error) {
        tellRefusal(QStringLiteral("Delete a golfer."),
                    QStringLiteral("Nothing was deleted.\n%1").arg(error.message()));
        return;
    }
    if (outcome == GolferRemoval::NotFound) {
        m_context.messages->show(this,
                                 {QStringLiteral("Delete a golfer."),
                                  QStringLiteral("Sorry, I could not find the golfer."), MessageButtons::Ok});
    }
    try {
        refillGolferLists();
    } catch (const DatabaseError &error) {
        tellRefusal(QStringLiteral("Golfers"), error.message());
    }
}

void frmGolfer::cmdExit_Click()
{
    returnToMainMenu();
}

void frmGolfer::cmdHandicap_Click()
{
    openForChosenGolfer(QStringLiteral("frmHandicap"));
}

void frmGolfer::cmdRoundDetails_Click()
{
    openForChosenGolfer(QStringLiteral("frmRoundDetails"));
}

void frmGolfer::openForChosenGolfer(const QString &window)
{
    const QString name = cboAddGolfer->currentText();
    if (cboAddGolfer->findText(name, Qt::MatchExactly) < 0) {
        m_context.messages->show(this,
                                 {QStringLiteral("Golfers"),
                                  QStringLiteral("Please choose a golfer from the list first."), MessageButtons::Ok});
        return;
    }
    setVisible(false);
    FormWindow *shown = m_context.windows->show(window);
    if (auto *chooser = dynamic_cast<GolferChooser *>(shown)) {
        chooser->chooseGolfer(name);
    }
}

void frmGolfer::leaveByFrame()
{
    cmdExit_Click();
}
