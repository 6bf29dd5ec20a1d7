#include "courses/frm_new_course.h"

#include "card/card_grid.h"
#include "card/check_key.h"
#include "core/handicap/handicap_store.h"
#include "core/records/course_cache.h"
#include "core/records/resets.h"
#include "core/records/text_rules.h"
#include "core/rules/course_saving.h"
#include "core/scorebook/database_error.h"
#include "core/scorebook/datgolf.h"
#include "core/scorebook/scorebook_connection.h"
#include "courses/course_grid.h"
#include "courses/tee_ratings_box.h"
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
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <SQLiteCpp/Database.h>

#include <cmath>
#include <optional>

namespace {

using namespace course_layout;

QLabel *makeTitleWord(QWidget *parent, const QString &name, const QString &caption)
{
    auto *label = new QLabel(caption, parent);
    label->setObjectName(name);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

const QString UpdateTitle = QStringLiteral(" Update a course ");

bool isCourseName(const QString &text)
{
    const QString name = text.trimmed();
    return !name.isEmpty() && name != PickLists::coursePrompt();
}

} // namespace

frmNewCourse::frmNewCourse(AppContext &context)
    : FormWindow(context, QStringLiteral("frmNewCourse"))
    , lblNew(nullptr)
    , txtNewName(new QLineEdit(this))
    , cboName(makePickList(this, QStringLiteral("cboName"), PickLists::coursePrompt(), context.pickLists.courses()))
    , fraf9(new CourseGrid(this))
    , cmdf9(new NineSwitch(this, QStringLiteral("cmdf9")))
    , cmdSaveData(makeButton(this, QStringLiteral("cmdSaveData"), QStringLiteral("&Save Course")))
    , cmdViewCourse(makeButton(this, QStringLiteral("cmdViewCourse"), QStringLiteral("&View Course")))
    , cmdMainMenu(makeButton(this, QStringLiteral("cmdMainMenu"), QStringLiteral("&Main Menu")))
    , cmdHelp(makeHelpButton())
    , datgolf(std::make_unique<DataControl>())
    , fraRatings(new TeeRatingsBox(this))
{
    setWindowTitle(QStringLiteral("Enter New Course Data"));
    setStyleSheet(QStringLiteral("QLabel#lblCourseName, QLabel#lblNew, QLabel#lblcourse, QLabel#lbldata"
                                 " { color: rgb(255,253,231); }"));

    txtNewName->setObjectName(QStringLiteral("txtNewName"));
    txtNewName->setAccessibleName(QStringLiteral("Course Name"));
    txtNewName->setMinimumWidth(220);
    auto *lblCourseName = new QLabel(QStringLiteral(" Course Name "), this);
    lblCourseName->setObjectName(QStringLiteral("lblCourseName"));

    auto *choices = new QVBoxLayout;
    choices->addWidget(makeOptionPair(QStringLiteral("fraNew"), QStringLiteral("Select Course Type"),
                                      QStringLiteral("Option2"), Option2, QStringLiteral("New"),
                                      QStringLiteral("Edit")));
    choices->addWidget(makeOptionPair(QStringLiteral("fraSize"), QStringLiteral("Select Size of Course"),
                                      QStringLiteral("Option1"), Option1, QStringLiteral("Nine"),
                                      QStringLiteral("Eighteen")));
    choices->addSpacing(8);
    choices->addWidget(lblCourseName);
    choices->addWidget(txtNewName);
    choices->addWidget(cboName);
    choices->addSpacing(8);
    choices->addWidget(fraRatings);
    choices->addStretch();

    auto *body = new QHBoxLayout;
    body->setSpacing(18);
    body->addLayout(choices);
    body->addWidget(fraf9, 1);

    auto *buttons = new QHBoxLayout;
    for (QPushButton *button : {static_cast<QPushButton *>(cmdf9), cmdSaveData, cmdViewCourse, cmdMainMenu}) {
        buttons->addWidget(button);
    }
    buttons->addStretch();
    buttons->addWidget(cmdHelp);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 12, 16, 14);
    layout->setSpacing(12);
    layout->addWidget(makeTitle());
    layout->addLayout(body);
    layout->addLayout(buttons);

    installEntryBoxes();
    setTabOrders();

    for (int i = 0; i < 2; ++i) {
        connect(Option2[i], &QRadioButton::toggled, this, [this, i](bool selected) {
            if (selected) {
                Option2_Click(i);
            }
        });
        connect(Option1[i], &QRadioButton::toggled, this, [this, i](bool selected) {
            if (selected) {
                Option1_Click(i);
            }
        });
    }
    connect(cboName, &QComboBox::activated, this, &frmNewCourse::cboName_Click);
    connect(cmdf9, &QPushButton::clicked, this, &frmNewCourse::cmdf9_Click);
    connect(cmdSaveData, &QPushButton::clicked, this, &frmNewCourse::cmdSaveData_Click);
    connect(cmdViewCourse, &QPushButton::clicked, this, &frmNewCourse::cmdViewCourse_Click);
    connect(cmdMainMenu, &QPushButton::clicked, this, &frmNewCourse::cmdMainMenu_Click);
}

frmNewCourse::~frmNewCourse() = default;

QWidget *frmNewCourse::makeTitle()
{
    auto *title = new QWidget(this);
    auto *row = new QHBoxLayout(title);
    row->setContentsMargins(0, 0, 0, 0);
    QFont titleFont(QStringLiteral("Serif"), 22, QFont::Bold);
    titleFont.setItalic(true);
    lblNew = makeTitleWord(title, QStringLiteral("lblNew"), QStringLiteral("New"));
    for (QLabel *label : {lblNew, makeTitleWord(title, QStringLiteral("lblcourse"), QStringLiteral("Course")),
                          makeTitleWord(title, QStringLiteral("lbldata"), QStringLiteral("Data"))}) {
        label->setFont(titleFont);
        row->addWidget(label);
    }
    row->addStretch();
    return title;
}

QGroupBox *frmNewCourse::makeOptionPair(const QString &name, const QString &caption, const QString &arrayName,
                                        std::array<QRadioButton *, 2> &options, const QString &first,
                                        const QString &second)
{
    auto *frame = new QGroupBox(caption, this);
    frame->setObjectName(name);
    auto *row = new QHBoxLayout(frame);
    const QString captions[] = {first, second};
    for (int i = 0; i < 2; ++i) {
        options[i] = new QRadioButton(captions[i], frame);
        options[i]->setObjectName(QStringLiteral("%1_%2").arg(arrayName).arg(i));
        row->addWidget(options[i]);
    }
    row->addStretch();
    return frame;
}

QWidget *frmNewCourse::nextControl(Value column, int row) const
{
    if (column == Handicap) {
        if (row < 8) {
            return fraf9->box(Handicap, row + 1);
        }
        return !cmdf9->isHidden() && cmdf9->isEnabled() ? static_cast<QWidget *>(cmdf9) : cmdSaveData;
    }
    return row < 9 ? fraf9->box(column, row + 1) : fraf9->box(Value(column + 1), 0);
}

void frmNewCourse::installEntryBoxes()
{
    for (int column = Blue; column <= Handicap; ++column) {
        for (int row = 0; row <= 9; ++row) {
            QLineEdit *entry = fraf9->box(Value(column), row);
            if (!entry) {
                continue;
            }
            EntryBox::install(
                entry, [this, column, row] { return nextControl(Value(column), row); }, [this] { beep(); });
            if (column != Handicap) {
                connect(entry, &QLineEdit::textChanged, this, &frmNewCourse::add_yards);
            }
            if (row == 9) {
                // Nine values of the longest box make a total one digit longer.
                entry->setMaxLength(EntryBox::MaxDigits + 1);
            }
        }
    }
}

void frmNewCourse::setTabOrders()
{
    QList<QWidget *> order = {Option2[0], Option2[1], txtNewName, cboName};
    for (int column = Blue; column <= Handicap; ++column) {
        for (int row = 0; row <= 9; ++row) {
            if (QLineEdit *entry = fraf9->box(Value(column), row)) {
                order.append(entry);
            }
        }
    }
    order << fraRatings->boxes();
    order << cmdf9 << cmdSaveData << cmdViewCourse << cmdMainMenu << Option1[0] << Option1[1] << cmdHelp;
    for (int i = 1; i < order.size(); ++i) {
        setTabOrder(order[i - 1], order[i]);
    }
}

void frmNewCourse::Form_Load()
{
    fraf9->zero();
    reset_course_record(m_context.state);
    Option2[0]->setChecked(true);
    Option1[1]->setChecked(true);
    datgolf->setDatabaseName(m_context.databasePath());
    datgolf->setRecordSource(QStringLiteral("courseinfo"));
    showHelpPicture();
    // A new course starts with its name.
    txtNewName->setFocus(Qt::OtherFocusReason);
    try {
        datgolf->refresh();
    } catch (const DatabaseError &error) {
        m_context.messages->show(this, {windowTitle(), error.message(), MessageButtons::Ok, MessageIcon::Critical});
    }
    load_course_lists(m_context.state, m_context.pickLists);
}

void frmNewCourse::Option2_Click(int index)
{
    const bool newCourse = index == 0;
    lblNew->setText(newCourse ? QStringLiteral("New") : QStringLiteral("Edit"));
    cboName->setVisible(!newCourse);
    txtNewName->setVisible(newCourse);
    fraRatings->clear();
}

void frmNewCourse::Option1_Click(int index)
{
    // A nine-hole course has only a front nine: what is typed must stay where it can be seen and saved.
    if (index == 0 && backNineShown()) {
        turnToNine(false);
    }
    cmdf9->setVisible(index == 1);
    // Choosing Eighteen for a nine-hole course must let its back nine be typed in.
    if (index == 1) {
        cmdf9->setEnabled(true);
    }
}

void frmNewCourse::cboName_Click(int index)
{
    SharedState &state = m_context.state;
    if (index < 0 || index > state.last_course) {
        return;
    }
    showNine(false);
    state.course_index = index;
    const QStringList &course = state.course_cache.at(index);
    const bool eighteen = text::truthValue(course.value(Size));
    cmdf9->setEnabled(eighteen);
    Option1[eighteen ? 1 : 0]->setChecked(true);
    state.course_record = course;
    fraf9->restore(state.course_record, false);
    showStoredRatings(course.value(Name));
}

SQLite::Database &frmNewCourse::scorebook()
{
    if (!m_scorebook) {
        m_scorebook = openScorebookConnection(m_context.databasePath());
    }
    return *m_scorebook;
}

void frmNewCourse::showStoredRatings(const QString &course)
{
    try {
        fraRatings->show(handicap::readCourseRatings(scorebook(), course));
    } catch (const DatabaseError &error) {
        fraRatings->clear();
        m_context.messages->show(
            this,
            {windowTitle(), QStringLiteral("The tee ratings of the course could not be read.\n%1").arg(error.message()),
             MessageButtons::Ok, MessageIcon::Warning});
    }
}

bool frmNewCourse::backNineShown() const
{
    return cmdf9->backNineShown();
}

void frmNewCourse::showNine(bool backNine)
{
    cmdf9->setBackNineShown(backNine);
    fraf9->labelNine(backNine);
}

void frmNewCourse::storeShownNine()
{
    fraf9->store(m_context.state.course_record, backNineShown());
}

void frmNewCourse::turnToNine(bool backNine)
{
    storeShownNine();
    showNine(backNine);
    fraf9->restore(m_context.state.course_record, backNine);
}

void frmNewCourse::cmdf9_Click()
{
    turnToNine(!backNineShown());
    // Typing goes on at the top of the nine now shown.
    fraf9->box(Blue, 0)->setFocus(Qt::OtherFocusReason);
}

void frmNewCourse::add_yards()
{
    fraf9->addUpTotals();
}

void frmNewCourse::cmdSaveData_Click()
{
    SharedState &state = m_context.state;
    const bool updating = Option2[1]->isChecked();
    QString ratingsProblem;
    const auto ratings
        = fraRatings->ratings((updating ? cboName->currentText() : txtNewName->text()).trimmed(), ratingsProblem);
    if (!ratings) {
        // Nothing is saved until every rating is right.
        tellSaveFailed(ratingsProblem);
        return;
    }
    const QStringList recordBefore = state.course_record;
    storeShownNine();
    const bool eighteen = Option1[1]->isChecked();
    bool saved = false;
    try {
        if (updating && isCourseName(cboName->currentText())) {
            saved = save_course(course_saving::UpdateMode, eighteen, *ratings);
        } else if (Option2[0]->isChecked() && isCourseName(txtNewName->text())) {
            saved = save_course(course_saving::AddMode, eighteen, *ratings);
        }
    } catch (const DatabaseError &error) {
        tellSaveFailed(error.message());
    }
    if (!saved) {
        // Nothing stored: the user corrects and saves again from what is on screen.
        state.course_record = recordBefore;
    }
}

// AddMode adds the course under the trimmed name typed in txtNewName with the
// next course_id; UpdateMode, after the user confirms, rewrites the last stored
// course whose name equals the trimmed text of cboName. After a store every
// window sees the course at once: cache, lists, a clean grid. Throws
// DatabaseError with what did or did not happen.
bool frmNewCourse::save_course(int mode, bool eighteenHoles, const std::vector<handicap::RatedTee> &ratings)
{
    SharedState &state = m_context.state;
    bool stored = false;
    QString name;
    try {
        if (mode == course_saving::AddMode) {
            WaitCursor hourglass;
            // Re-read first: another window may have changed the table meanwhile.
            datgolf->refresh();
            name = txtNewName->text().trimmed();
            course_saving::addCourse(*datgolf, state.course_record, name, eighteenHoles, state.last_course + 1);
            stored = true;
        } else if (mode == course_saving::UpdateMode && confirmUpdate()) {
            WaitCursor hourglass;
            name = cboName->currentText().trimmed();
            stored = course_saving::updateCourse(*datgolf, state.course_record, name, eighteenHoles);
            if (!stored) {
                m_context.messages->show(this, {UpdateTitle, QStringLiteral(" Sorry, I could not find the course. ")});
            }
        }
    } catch (const DatabaseError &error) {
        throw DatabaseError(QStringLiteral("The course was not saved.\n%1").arg(error.message()));
    }
    if (stored) {
        WaitCursor hourglass;
        // A new course without ratings leaves alone any stored under the same name.
        storeRatings(name, ratings, mode == course_saving::UpdateMode || !ratings.empty());
        rebuildCourseState();
    }
    return stored;
}

void frmNewCourse::storeRatings(const QString &course, const std::vector<handicap::RatedTee> &ratings, bool replace)
{
    if (!replace) {
        return;
    }
    try {
        handicap::storeCourseRatings(scorebook(), course, ratings);
    } catch (const DatabaseError &error) {
        tellSaveFailed(QStringLiteral("The course was saved, but its tee ratings were not; "
                                      "choose it in Edit and save them again.\n%1")
                           .arg(error.message()));
    }
}

bool frmNewCourse::confirmUpdate()
{
    return m_context.messages->show(this,
                                    {UpdateTitle, QStringLiteral(" Are you sure you want to update this course? "),
                                     MessageButtons::YesNo, MessageIcon::Critical, MessageAnswer::No})
        == MessageAnswer::Yes;
}

void frmNewCourse::rebuildCourseState()
{
    try {
        reload_course_cache(*datgolf, m_context.state);
    } catch (const DatabaseError &error) {
        throw DatabaseError(QStringLiteral("The course was saved, but the list of courses could not be read again; "
                                           "start the program again to see it.\n%1")
                                .arg(error.message()));
    }
    reset_course_record(m_context.state);
    load_course_lists(m_context.state, m_context.pickLists);
    fraf9->zero();
    fraRatings->clear();
}

void frmNewCourse::tellSaveFailed(const QString &reason)
{
    m_context.messages->show(this, {QStringLiteral("Save Course"), reason, MessageButtons::Ok, MessageIcon::Warning});
}

void frmNewCourse::cmdViewCourse_Click()
{
    setVisible(false);
    // The viewer becomes the active window, so it clears its card as on every return.
    m_context.windows->show(QStringLiteral("frmCourse"));
}

void frmNewCourse::cmdMainMenu_Click()
{
    returnToMainMenu();
}

void frmNewCourse::leaveByFrame()
{
    cmdMainMenu_Click();
}
