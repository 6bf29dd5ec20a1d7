#include "scoring/frm_scoreround.h"

#include "card/card_fill.h"
#include "card/card_grid.h"
#include "card/check_key.h"
#include "card/clear_card.h"
#include "core/handicap/played_on_text.h"
#include "core/records/course_layout.h"
#include "core/records/resets.h"
#include "core/records/round_layout.h"
#include "core/records/text_rules.h"
#include "core/rules/round_totals.h"
#include "core/scorebook/database_error.h"
#include "core/scorebook/datgolf.h"
#include "printing/card_page.h"
#include "printing/print_actions.h"
#include "scoring/card_handicap.h"
#include "scoring/round_details_row.h"
#include "scoring/round_totals.h"
#include "ui/app_context.h"
#include "ui/form_controls.h"
#include "ui/list_loaders.h"
#include "ui/navigator.h"
#include "ui/nine_switch.h"
#include "ui/picture_box.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

frmScoreround::frmScoreround(AppContext &context)
    : FormWindow(context, QStringLiteral("frmScoreround"))
    , imgAd1(new PictureBox(QStringLiteral("imgAd1"), PictureStripSize, this))
    , imgAd2(new PictureBox(QStringLiteral("imgAd2"), PictureStripSize, this))
    , cboCourse(makePickList(this, QStringLiteral("cboCourse"), PickLists::coursePrompt(), context.pickLists.courses()))
    , cboPlayer(makePickList(this, QStringLiteral("cboPlayer"), PickLists::golferPrompt(PickLists::ScoreCardGolfers),
                             context.pickLists.golfers()))
    , lblDate(new QLabel(QStringLiteral("DATE:"), this))
    , txtDate(new QLineEdit(this))
    , fraRoundDetails(new RoundDetailsRow(this))
    , card(new CardGrid(CardGrid::Middle::ScoreRows, this))
    , cmdNine(new NineSwitch(this, QStringLiteral("cmdNine"), QStringLiteral(" Enter your score on the Back Nine ")))
    , cmdViewPR(makeButton(this, QStringLiteral("cmdViewPR"), QStringLiteral("&View Prior Rounds"),
                           QStringLiteral(" Show all rounds entered to date ")))
    , cmdSave(makeButton(this, QStringLiteral("cmdSave"), QStringLiteral("&Save"),
                         QStringLiteral(" Save this round of Golf Information ")))
    , cmdExit(makeButton(this, QStringLiteral("cmdExit"), QStringLiteral("&Main Menu"),
                         QStringLiteral(" Back to the Main Menu ")))
    , cmdPrint(makeButton(this, QStringLiteral("cmdPrint"), QStringLiteral("Pri&nt…"),
                          QStringLiteral(" Print this score card ")))
    , cmdPdf(makeButton(this, QStringLiteral("cmdPdf"), QStringLiteral("Save as P&DF…"),
                        QStringLiteral(" Save this score card as a PDF file ")))
    , cmdHelp(makeHelpButton())
{
    setWindowTitle(QStringLiteral("Enter Score for a Course"));
    lblDate->setObjectName(QStringLiteral("lblDate"));
    lblDate->setBuddy(txtDate);
    txtDate->setObjectName(QStringLiteral("txtDate"));
    txtDate->setAccessibleName(QStringLiteral("Date"));
    txtDate->setMaximumWidth(120);
    buildLayout();

    for (int i = 0; i < 9; ++i) {
        QWidget *nextStroke = i < 8 ? static_cast<QWidget *>(card->txth1[i + 1]) : card->putts[0];
        QWidget *nextPutt = i < 8 ? static_cast<QWidget *>(card->putts[i + 1]) : cmdSave;
        EntryBox::install(
            card->txth1[i], [nextStroke] { return nextStroke; }, [this] { beep(); });
        EntryBox::install(
            card->putts[i], [nextPutt] { return nextPutt; }, [this] { beep(); });
        connect(card->txth1[i], &QLineEdit::textChanged, this, &frmScoreround::add_score);
        connect(card->putts[i], &QLineEdit::textChanged, this, &frmScoreround::add_score);
    }
    connect(cboCourse, qOverload<int>(&QComboBox::activated), this, &frmScoreround::cboCourse_Click);
    connect(cboPlayer, qOverload<int>(&QComboBox::activated), this, &frmScoreround::cboPlayer_Click);
    connect(cmdNine, &QPushButton::clicked, this, &frmScoreround::cmdNine_Click);
    connect(cmdSave, &QPushButton::clicked, this, &frmScoreround::cmdSave_Click);
    connect(cmdViewPR, &QPushButton::clicked, this, &frmScoreround::cmdViewPR_Click);
    connect(cmdExit, &QPushButton::clicked, this, &frmScoreround::cmdExit_Click);
    connect(fraRoundDetails, &RoundDetailsRow::teeChanged, this, &frmScoreround::showCourseHandicap);
    connect(cmdPrint, &QPushButton::clicked, this, &frmScoreround::cmdPrint_Click);
    connect(cmdPdf, &QPushButton::clicked, this, &frmScoreround::cmdPdf_Click);
}

frmScoreround::~frmScoreround() = default;

void frmScoreround::buildLayout()
{
    lblDate->setProperty("onGreen", true);
    auto *strips = new QHBoxLayout;
    strips->addWidget(imgAd1);
    strips->addStretch();
    strips->addWidget(imgAd2);

    auto *choices = new QHBoxLayout;
    choices->addWidget(cboCourse);
    choices->addWidget(cboPlayer);
    choices->addStretch();
    choices->addWidget(lblDate);
    choices->addWidget(txtDate);

    auto *buttons = new QHBoxLayout;
    for (QPushButton *button : {static_cast<QPushButton *>(cmdNine), cmdViewPR, cmdSave, cmdExit, cmdPrint, cmdPdf}) {
        buttons->addWidget(button);
    }
    buttons->addStretch();
    buttons->addWidget(cmdHelp);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 12, 16, 12);
    layout->addLayout(strips);
    layout->addLayout(choices);
    layout->addWidget(fraRoundDetails);
    layout->addWidget(card);
    layout->addLayout(buttons);
    // The tab order is the order the controls are made in: lists, date, strokes, putts, buttons.
}

void frmScoreround::Form_Load()
{
    datgolf = std::make_unique<DataControl>();
    datgolf->setDatabaseName(m_context.databasePath());
    datgolf->setRecordSource(QStringLiteral("rounds"));
    m_handicap = std::make_unique<CardHandicap>(m_context.databasePath());
    try {
        datgolf->refresh();
    } catch (const DatabaseError &error) {
        m_context.messages->show(this, {windowTitle(), error.message(), MessageButtons::Ok, MessageIcon::Critical});
    }
    txtDate->setText(m_context.clock->today());
    load_course_lists(m_context.state, m_context.pickLists);
    reset_course_record(m_context.state);
    reset_round_record(m_context.state);

    showHelpPicture();
    imgAd1->setPicture(m_context.ImageList1.picture(12));
    imgAd2->setPicture(m_context.ImageList1.picture(13));
    imgAd1->setVisible(true);
    imgAd2->setVisible(true);
}

void frmScoreround::Form_Activate()
{
    reset_course_record(m_context.state);
    reset_round_record(m_context.state);
    clearCard();
}

void frmScoreround::clearCard()
{
    clear_card(*card);
    showPrompt(cboCourse, PickLists::coursePrompt());
    showPrompt(cboPlayer, PickLists::golferPrompt(PickLists::ScoreCardGolfers));
    txtDate->setText(m_context.clock->today());
    fraRoundDetails->reset();
    if (m_handicap) {
        m_handicap->forget();
    }
    add_score(); // boxes that already held "0" did not announce a change
}

bool frmScoreround::backNineShown() const
{
    return cmdNine->backNineShown();
}

void frmScoreround::showFrontNineOfNewCourse()
{
    // The course rows about to be filled are holes 1 to 9: show them as such.
    // Nothing of the card is stored, as it belonged to the course left behind.
    cmdNine->setBackNineShown(false);
    card->showNine(false);
    restore_front_nine(*card, m_context.state.round_record);
}

void frmScoreround::copyCourseParsInto(QStringList &record) const
{
    // The pars stored with the round are always those of the course chosen.
    using namespace course_layout;
    const QStringList course = m_context.state.course_cache.value(m_context.state.course_index);
    for (int hole = 1; hole <= 18; ++hole) {
        record[round_layout::holeEntry(round_layout::Par, hole)] = course.value(holeIndex(hole, course_layout::Par));
    }
    record[round_layout::frontTotalEntry(round_layout::Par)] = course.value(frontTotalIndex(course_layout::Par));
    record[round_layout::backTotalEntry(round_layout::Par)] = course.value(backTotalIndex(course_layout::Par));
    record[round_layout::roundTotalEntry(round_layout::Par)]
        = text::plainNumber(text::leadingNumber(course.value(frontTotalIndex(course_layout::Par)))
                            + text::leadingNumber(course.value(backTotalIndex(course_layout::Par))));
}

void frmScoreround::cboCourse_Click(int index)
{
    SharedState &state = m_context.state;
    if (backNineShown()) {
        showFrontNineOfNewCourse();
    }
    state.course_index = index;
    cmdNine->setEnabled(text::truthValue(state.course_cache.value(index).value(course_layout::Size)));
    fill_front_card(*card, state, state.course_index);
    copyCourseParsInto(state.round_record);
    state.round_record[round_layout::Course] = cboCourse->currentText();
    state.round_record[round_layout::Date] = txtDate->text();
    add_score();
    const QStringList course = state.course_cache.value(index);
    const bool eighteen = text::truthValue(course.value(course_layout::Size));
    int par = 0;
    for (int hole = 1; hole <= 18; ++hole) {
        par += int(text::leadingNumber(course.value(course_layout::holeIndex(hole, course_layout::Par))));
    }
    // Only an eighteen-hole course has a course handicap.
    m_handicap->chooseCourse(eighteen ? cboCourse->currentText() : QString(), par);
    showCourseHandicap();
    cboPlayer->setFocus(Qt::OtherFocusReason);
}

void frmScoreround::showCourseHandicap()
{
    fraRoundDetails->showCourseHandicap(m_handicap ? m_handicap->courseHandicap(fraRoundDetails->tee()) : std::nullopt);
}

void frmScoreround::cboPlayer_Click()
{
    card->txtName->setText(cboPlayer->currentText());
    m_context.state.round_record[round_layout::Golfer] = cboPlayer->currentText();
    m_handicap->chooseGolfer(cboPlayer->currentText());
    showCourseHandicap();
    card->txth1[0]->setFocus(Qt::OtherFocusReason);
}

void frmScoreround::cmdNine_Click()
{
    SharedState &state = m_context.state;
    if (!backNineShown()) {
        cmdNine->setBackNineShown(true);
        store_front_nine(*card, state.round_record);
        card->showNine(true);
        fill_back_card(*card, state, state.course_index);
        restore_back_nine(*card, state.round_record);
    } else {
        store_back_nine(*card, state.round_record);
        cmdNine->setBackNineShown(false);
        card->showNine(false);
        fill_front_card(*card, state, state.course_index);
        restore_front_nine(*card, state.round_record);
    }
    add_score();
}

void frmScoreround::add_score()
{
    const double strokeSum = nineSum(cardStrokes(*card));
    const double puttSum = nineSum(cardPutts(*card));
    card->lbl9tot->setText(text::plainNumber(strokeSum));
    card->lblputts9->setText(text::plainNumber(puttSum));
    // The other nine's holes as held in the round record.
    const QStringList &record = m_context.state.round_record;
    const bool otherIsBack = !backNineShown();
    const double otherStrokes = nineSum(recordNine(record, round_layout::Strokes, otherIsBack));
    const double otherPutts = nineSum(recordNine(record, round_layout::Putts, otherIsBack));
    card->lbl18tot->setText(text::plainNumber(otherStrokes + strokeSum));
    card->lblputts18->setText(text::plainNumber(otherPutts + puttSum));
}

void frmScoreround::storeShownNine(QStringList &record) const
{
    if (!backNineShown()) {
        store_front_nine(*card, record);
    } else if (cmdNine->isEnabled()) {
        store_back_nine(*card, record);
    }
}

bool frmScoreround::refuse(const QString &title, const QString &text)
{
    m_context.messages->show(this, {title, text, MessageButtons::Ok});
    return true;
}

namespace {

// A name only counts as chosen when it is one of the list's own, exactly as
// listed: typed text that is not in the list is no course and no golfer.
bool showsListedEntry(const QComboBox *list)
{
    const int index = list->currentIndex();
    return index >= 0 && list->itemText(index) == list->currentText();
}

} // namespace

void frmScoreround::cmdSave_Click()
{
    if (!showsListedEntry(cboCourse)
        || m_context.state.round_record[round_layout::Course] != cboCourse->currentText()) {
        refuse(QStringLiteral(" ERROR - No Course Selected"), QStringLiteral("You must select a Course"));
        return;
    }
    if (!showsListedEntry(cboPlayer)
        || m_context.state.round_record[round_layout::Golfer] != cboPlayer->currentText()) {
        refuse(QStringLiteral(" ERROR - No Golfer Selected"), QStringLiteral("You must select a Golfer"));
        return;
    }

    // The round is completed in a copy, so that a No or a refusal leaves
    // both the card and the round record exactly as they were.
    QStringList record = m_context.state.round_record;
    storeShownNine(record);
    if (roundStrokes(record) == 0) {
        refuse(QStringLiteral(" ERROR - No Score Entered"), QStringLiteral("You must enter a score to save"));
        return;
    }
    const std::optional<QDate> day = playedOn();
    if (!day) {
        refuse(QStringLiteral(" ERROR - Date Not Valid"),
               QStringLiteral("The date must be a real date, such as %1 or 2026-06-12").arg(m_context.clock->today()));
        txtDate->setFocus(Qt::OtherFocusReason);
        return;
    }
    record[round_layout::Date] = txtDate->text();
    try {
        datgolf->refresh();
        if (!save_round(record, *day)) {
            return;
        }
    } catch (const DatabaseError &error) {
        m_context.messages->show(this,
                                 {QStringLiteral("Saving Round"),
                                  QStringLiteral("The round was not saved.\n%1").arg(error.message()),
                                  MessageButtons::Ok, MessageIcon::Critical});
        return;
    }
    reset_round_record(m_context.state);
    clearCard();
}

std::optional<QDate> frmScoreround::playedOn() const
{
    return handicap::playedOnFromText(txtDate->text(), QLocale(), QDate::currentDate());
}

bool frmScoreround::save_round(const QStringList &record, const QDate &day)
{
    const MessageAnswer answer = m_context.messages->show(
        this,
        {QStringLiteral("Saving Round"), QStringLiteral("Are you sure you want to save this round?"),
         MessageButtons::YesNo, MessageIcon::Question, MessageAnswer::Yes});
    if (answer != MessageAnswer::Yes) {
        return false;
    }
    storeDetails(appendRound(record), day);
    return true;
}

qint64 frmScoreround::appendRound(const QStringList &record)
{
    qint64 recordNo = 0;
    // In one transaction, the last record is the one just stored, whatever another copy of the program does.
    datgolf->inTransaction([&] {
        storeRound(*datgolf, record);
        datgolf->moveLast();
        recordNo = datgolf->field(QStringLiteral("record_no")).toLongLong();
    });
    return recordNo;
}

void frmScoreround::storeDetails(qint64 recordNo, const QDate &day)
{
    try {
        m_handicap->storeDetails(recordNo, fraRoundDetails->details(day));
    } catch (const DatabaseError &error) {
        m_context.messages->show(this,
                                 {QStringLiteral("Saving Round"),
                                  QStringLiteral("The round was saved, but not its tee and date; fill them in "
                                                 "from the golfer roster.\n%1")
                                      .arg(error.message()),
                                  MessageButtons::Ok, MessageIcon::Warning});
    }
}

void frmScoreround::cmdViewPR_Click()
{
    m_context.windows->show(QStringLiteral("frmViewPR"));
}

void frmScoreround::cmdExit_Click()
{
    returnToMainMenu();
}

Round frmScoreround::enteredRound() const
{
    QStringList record = m_context.state.round_record;
    storeShownNine(record);
    record[round_layout::Date] = txtDate->text();
    return Round::fromRecord(record);
}

void frmScoreround::cmdPrint_Click()
{
    printPage(this, m_context, cardPage(enteredRound(), fraRoundDetails->teeCaption()));
}

void frmScoreround::cmdPdf_Click()
{
    const Round round = enteredRound();
    savePageAsPdf(this, m_context, cardPage(round, fraRoundDetails->teeCaption()),
                  QStringLiteral("Score card %1 %2.pdf")
                      .arg(round.golfer.trimmed(), round.date)
                      .replace(QLatin1Char('/'), QLatin1Char('-')));
}

void frmScoreround::leaveByFrame()
{
    cmdExit_Click();
}
