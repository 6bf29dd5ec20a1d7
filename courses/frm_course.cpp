#include "courses/frm_course.h"

#include "card/card_fill.h"
#include "card/card_grid.h"
#include "card/clear_card.h"
#include "core/records/course_layout.h"
#include "core/records/text_rules.h"
#include "ui/app_context.h"
#include "ui/exchange_flow.h"
#include "ui/form_controls.h"
#include "ui/list_loaders.h"
#include "ui/navigator.h"
#include "ui/nine_switch.h"
#include "ui/picture_box.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

frmCourse::frmCourse(AppContext &context)
    : FormWindow(context, QStringLiteral("frmCourse"))
    , imgAd1(new PictureBox(QStringLiteral("imgAd1"), PictureStripSize, this))
    , imgAd2(new PictureBox(QStringLiteral("imgAd2"), PictureStripSize, this))
    , cboCourse(makePickList(this, QStringLiteral("cboCourse"), PickLists::coursePrompt(), context.pickLists.courses()))
    , card(new CardGrid(CardGrid::Middle::EmptyBand, this))
    , cmdNine(new NineSwitch(this, QStringLiteral("cmdNine"), QStringLiteral(" View the Back Nine Information ")))
    , cmdNewCourseInfo(makeButton(this, QStringLiteral("cmdNewCourseInfo"),
                                  QStringLiteral("&Enter New or Edit a Course"),
                                  QStringLiteral(" Enter a New Course or Edit an Existing Course ")))
    , cmdExit(makeButton(this, QStringLiteral("cmdExit"), QStringLiteral("&Main Menu"),
                         QStringLiteral(" Back to the Main Menu ")))
    , cmdExport(makeButton(this, QStringLiteral("cmdExport"), QStringLiteral("E&xport Courses…"),
                           QStringLiteral(" Write every course to a CSV file ")))
    , cmdImport(makeButton(this, QStringLiteral("cmdImport"), QStringLiteral("&Import…"),
                           QStringLiteral(" Add the new courses, golfers or rounds of a CSV file ")))
    , cmdHelp(makeHelpButton())
{
    setWindowTitle(QStringLiteral("Enter New or Update Selected Course Information"));

    auto *pictures = new QHBoxLayout;
    pictures->addWidget(imgAd1);
    pictures->addStretch();
    pictures->addWidget(cboCourse);
    pictures->addStretch();
    pictures->addWidget(imgAd2);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(cmdNine);
    buttons->addWidget(cmdNewCourseInfo);
    buttons->addWidget(cmdExit);
    buttons->addWidget(cmdExport);
    buttons->addWidget(cmdImport);
    buttons->addStretch();
    buttons->addWidget(cmdHelp);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 14, 16, 14);
    layout->setSpacing(12);
    layout->addLayout(pictures);
    layout->addWidget(card);
    layout->addLayout(buttons);

    setTabOrder(cboCourse, cmdNine);
    setTabOrder(cmdNine, cmdNewCourseInfo);
    setTabOrder(cmdNewCourseInfo, cmdExit);
    setTabOrder(cmdExit, cmdExport);
    setTabOrder(cmdExport, cmdImport);
    setTabOrder(cmdImport, cmdHelp);

    connect(cboCourse, &QComboBox::activated, this, &frmCourse::cboCourse_Click);
    connect(cmdNine, &QPushButton::clicked, this, &frmCourse::cmdNine_Click);
    connect(cmdNewCourseInfo, &QPushButton::clicked, this, &frmCourse::cmdNewCourseInfo_Click);
    connect(cmdExit, &QPushButton::clicked, this, &frmCourse::cmdExit_Click);
    connect(cmdExport, &QPushButton::clicked, this, &frmCourse::cmdExport_Click);
    connect(cmdImport, &QPushButton::clicked, this, &frmCourse::cmdImport_Click);
}

void frmCourse::Form_Load()
{
    load_course_lists(m_context.state, m_context.pickLists);
    cmdNine->setEnabled(false);
    showHelpPicture();
    imgAd1->setPicture(m_context.ImageList1.picture(9));
    imgAd2->setPicture(m_context.ImageList1.picture(10));
    imgAd1->setVisible(true);
    imgAd2->setVisible(true);
}

void frmCourse::Form_Activate()
{
    clear_card(*card);
    showPrompt(cboCourse, PickLists::coursePrompt());
    // A cleared card has no course whose other nine could be shown.
    cmdNine->setEnabled(false);
    imgAd1->setPicture(m_context.ImageList1.picture(9));
    cboCourse->setFocus();
}

bool frmCourse::backNineShown() const
{
    return cmdNine->backNineShown();
}

void frmCourse::showNine(bool backNine)
{
    cmdNine->setBackNineShown(backNine);
    card->showNine(backNine);
    if (backNine) {
        fill_back_card(*card, m_context.state, m_context.state.course_index);
    } else {
        fill_front_card(*card, m_context.state, m_context.state.course_index);
    }
}

void frmCourse::cboCourse_Click(int index)
{
    SharedState &state = m_context.state;
    if (index < 0 || index > state.last_course) {
        return;
    }
    state.course_index = index;
    cmdNine->setEnabled(text::truthValue(state.course_cache.value(index).value(course_layout::Size)));
    // A newly chosen course always opens on its front nine, under the front nine's labels.
    showNine(false);
}

void frmCourse::cmdNine_Click()
{
    showNine(!backNineShown());
}

void frmCourse::cmdNewCourseInfo_Click()
{
    setVisible(false);
    m_context.windows->show(QStringLiteral("frmNewCourse"));
}

void frmCourse::cmdExit_Click()
{
    returnToMainMenu();
}

void frmCourse::cmdExport_Click()
{
    exportRecords(this, m_context, exchange::Kind::Courses);
}

void frmCourse::cmdImport_Click()
{
    if (importRecords(this, m_context)) {
        // The pick-list was refilled with the imported courses: nothing is chosen.
        Form_Activate();
    }
}

void frmCourse::leaveByFrame()
{
    cmdExit_Click();
}
