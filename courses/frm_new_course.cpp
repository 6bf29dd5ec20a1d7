#include "courses/frm_new_course.h"

#include "card/card_grid.h"
#include "card/check_key.h"
#include "core/records/resets.h"
#include "core/records/text_rules.h"
#include "core/scorebook/database_error.h"
#include "core/scorebook/datgolf.h"
#include "courses/course_boxes.h"
#include "courses/course_saving.h"
#include "courses/nine_labels.h"
#include "ui/app_context.h"
#include "ui/form_controls.h"
#include "ui/list_loaders.h"
#include "ui/navigator.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <cmath>
#include <optional>

namespace {

using namespace course_layout;

QLabel *makeLabel(QWidget *parent, const QString &name, const QString &caption,
                  std::optional<CardColour> colour = std::nullopt)
{
    auto *label = new QLabel(caption, parent);
    label->setObjectName(name);
    label->setAlignment(Qt::AlignCenter);
    if (colour) {
        paintCardCell(label, *colour);
        label->setMinimumSize(58, 24);
    }
    return label;
}

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
    , fraf9(new QGroupBox(this))
    , cmdf9(new NineSwitch(this, QStringLiteral("cmdf9")))
    , cmdSaveData(makeButton(this, QStringLiteral("cmdSaveData"), QStringLiteral("&Save Course")))
    , cmdViewCourse(makeButton(this, QStringLiteral("cmdViewCourse"), QStringLiteral("&View Course")))
    , cmdMainMenu(makeButton(this, QStringLiteral("cmdMainMenu"), QStringLiteral("&Main Menu")))
    , cmdHelp(makeHelpButton())
    , datgolf(std::make_unique<DataControl>())
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
    choices->addStretch();

    auto *body = new QHBoxLayout;
    body->setSpacing(18);
    body->addLayout(choices);
    body->addWidget(makeGrid(), 1);

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
    front_nine_labels(*this);
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
    lblNew = makeLabel(title, QStringLiteral("lblNew"), QStringLiteral("New"));
    for (QLabel *label : {lblNew, makeLabel(title, QStringLiteral("lblcourse"), QStringLiteral("Course")),
                          makeLabel(title, QStringLiteral("lbldata"), QStringLiteral("Data"))}) {
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

QWidget *frmNewCourse::makeGrid()
{
    fraf9->setObjectName(QStringLiteral("fraf9"));
    fraf9->setStyleSheet(cardStyleSheet());
    auto *grid = new QGridLayout(fraf9);
    grid->setSpacing(2);

    grid->addWidget(makeLabel(fraf9, QStringLiteral("lblHole"), QStringLiteral("Hole"), CardColour::Grey), 0, 0, 2, 1);
    const struct
    {
        const char *header, *caption, *subHeader;
        CardColour colours;
    } columns[] = {{"lblBlue", "Blue", "lblYardsblue", CardColour::Blue},
                   {"lblWhite", "White", "lblYards", CardColour::White},
                   {"lblRed", "Red", "lblyardswhite", CardColour::Red},
                   {"lblPar", "Par", nullptr, CardColour::Grey},
                   {"lblH", "Handicap", nullptr, CardColour::Grey}};
    for (int column = Blue; column <= Handicap; ++column) {
        const auto &heading = columns[column];
        QLabel *header = makeLabel(fraf9, QString::fromLatin1(heading.header), QString::fromLatin1(heading.caption),
                                   heading.colours);
        if (heading.subHeader) {
            grid->addWidget(header, 0, column + 1);
            grid->addWidget(
                makeLabel(fraf9, QString::fromLatin1(heading.subHeader), QStringLiteral("Yards"), heading.colours), 1,
                column + 1);
        } else {
            grid->addWidget(header, 0, column + 1, 2, 1);
        }
    }

    std::array<QLineEdit *, 10> *valueColumns[] = {&yb1, &yw1, &yr1, &p1};
    const char *const arrayNames[] = {"yb1", "yw1", "yr1", "p1", "h1"};
    for (int row = 0; row <= 9; ++row) {
        QLabel *rowHeader = row < 9
            ? makeLabel(fraf9, QStringLiteral("lblH%1").arg(row + 1), QString(), CardColour::Grey)
            : makeLabel(fraf9, QStringLiteral("lbltotal"), QStringLiteral("Total"), CardColour::Grey);
        if (row < 9) {
            lblHoles[row] = rowHeader;
        }
        grid->addWidget(rowHeader, row + 2, 0);
        for (int column = Blue; column <= Handicap; ++column) {
            if (column == Handicap && row == 9) {
                continue;
            }
            auto *entry = new QLineEdit(QStringLiteral("0"), fraf9);
            entry->setObjectName(QStringLiteral("%1_%2").arg(QLatin1String(arrayNames[column])).arg(row));
            entry->setAlignment(Qt::AlignCenter);
            entry->setMinimumWidth(64);
            paintCardCell(entry, row == 9 ? CardColour::Total : CardColour::Entry);
            if (column == Handicap) {
                h1[row] = entry;
            } else {
                (*valueColumns[column])[row] = entry;
            }
            grid->addWidget(entry, row + 2, column + 1);
        }
    }
    return fraf9;
}

QLineEdit *frmNewCourse::box(Value column, int row) const
{
    switch (column) {
    case Blue:
        return yb1.at(row);
    case White:
        return yw1.at(row);
    case Red:
        return yr1.at(row);
    case Par:
        return p1.at(row);
    case Handicap:
        return row < 9 ? h1.at(row) : nullptr;
    }
    return nullptr;
}

QWidget *frmNewCourse::nextControl(Value column, int row) const
{
    if (column == Handicap) {
        if (row < 8) {
            return h1[row + 1];
        }
        return !cmdf9->isHidden() && cmdf9->isEnabled() ? static_cast<QWidget *>(cmdf9) : cmdSaveData;
    }
    return row < 9 ? box(column, row + 1) : box(Value(column + 1), 0);
}

void frmNewCourse::installEntryBoxes()
{
    for (int column = Blue; column <= Handicap; ++column) {
        for (int row = 0; row <= 9; ++row) {
            QLineEdit *entry = box(Value(column), row);
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
            if (QLineEdit *entry = box(Value(column), row)) {
                order.append(entry);
            }
        }
    }
    order << cmdf9 << cmdSaveData << cmdViewCourse << cmdMainMenu << Option1[0] << Option1[1] << cmdHelp;
    for (int i = 1; i < order.size(); ++i) {
        setTabOrder(order[i - 1], order[i]);
    }
}

void frmNewCourse::Form_Load()
{
    zero_course_boxes(*this);
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
}

void frmNewCourse::Option1_Click(int index)
{
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
    front_nine_labels(*this);
    state.course_index = index;
    const QStringList &course = state.course_cache.at(index);
    const bool eighteen = text::truthValue(course.value(Size));
    cmdf9->setEnabled(eighteen);
    Option1[eighteen ? 1 : 0]->setChecked(true);
    state.course_record = course;
    restore_front_course(*this, state);
}

bool frmNewCourse::backNineShown() const
{
    return cmdf9->backNineShown();
}

void frmNewCourse::cmdf9_Click()
{
    SharedState &state = m_context.state;
    if (backNineShown()) {
        store_back_course(*this, state);
        front_nine_labels(*this);
        restore_front_course(*this, state);
    } else {
        store_front_course(*this, state);
        back_nine_labels(*this);
        restore_back_course(*this, state);
    }
    // Typing goes on at the top of the nine now shown.
    yb1[0]->setFocus(Qt::OtherFocusReason);
}

void frmNewCourse::add_yards()
{
    std::array<double, Par + 1> sums {};
    for (int row = 0; row < 9; ++row) {
        for (int column = Blue; column <= Par; ++column) {
            sums[column] = std::nearbyint(sums[column] + text::leadingNumber(box(Value(column), row)->text()));
        }
    }
    for (int column = Blue; column <= Par; ++column) {
        QLineEdit *total = box(Value(column), 9);
        const QString sum = text::plainNumber(sums[column]);
        if (total->text() != sum) {
            total->setText(sum);
        }
    }
}

void frmNewCourse::cmdSaveData_Click()
{
    SharedState &state = m_context.state;
    const QStringList recordBefore = state.course_record;
    if (backNineShown()) {
        store_back_course(*this, state);
    } else {
        store_front_course(*this, state);
    }
    const bool eighteen = Option1[1]->isChecked();
    bool saved = false;
    try {
        if (Option2[1]->isChecked() && isCourseName(cboName->currentText())) {
            saved = save_course(*this, *datgolf, course_saving::UpdateMode, eighteen);
        } else if (Option2[0]->isChecked() && isCourseName(txtNewName->text())) {
            saved = save_course(*this, *datgolf, course_saving::AddMode, eighteen);
        }
    } catch (const DatabaseError &error) {
        tellSaveFailed(error.message());
    }
    if (!saved) {
        // Nothing stored: the user corrects and saves again from what is on screen.
        state.course_record = recordBefore;
    }
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
