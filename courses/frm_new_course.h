#pragma once

#include "core/records/course_layout.h"
#include "ui/form_window.h"
#include "ui/nine_switch.h"

#include <array>
#include <memory>

class DataControl;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

// The course editor: a new course typed in, or a stored one changed, nine holes
// at a time on a grid of entry boxes; the nine not shown waits in course_record.
// The controls are public so the editor's routines (nine labels, grid copies,
// zeroing, saving) can work on them by name, as the card routines do on cards.
class frmNewCourse : public FormWindow
{
    Q_OBJECT

public:
    explicit frmNewCourse(AppContext &context);
    ~frmNewCourse() override;

    void Form_Load() override;

    void Option1_Click(int index);
    void Option2_Click(int index);
    void cboName_Click(int index);
    void cmdf9_Click();
    void cmdSaveData_Click();
    void cmdViewCourse_Click();
    void cmdMainMenu_Click();
    // The shown nine's totals, row 9 of the yardage and par columns.
    void add_yards();

    // The grid box of a column (blue, white, red, par: rows 0..9; handicap: rows 0..8).
    QLineEdit *box(course_layout::Value column, int row) const;
    bool backNineShown() const;
    AppContext &context() const { return m_context; }

    QLabel *lblNew;
    std::array<QRadioButton *, 2> Option2 {}; // New, Edit
    std::array<QRadioButton *, 2> Option1 {}; // Nine, Eighteen
    QLineEdit *txtNewName;
    QComboBox *cboName;
    QGroupBox *fraf9;
    std::array<QLabel *, 9> lblHoles {}; // lblH1 .. lblH9
    std::array<QLineEdit *, 10> yb1 {}, yw1 {}, yr1 {}, p1 {};
    std::array<QLineEdit *, 9> h1 {};
    NineSwitch *cmdf9;
    QPushButton *cmdSaveData;
    QPushButton *cmdViewCourse;
    QPushButton *cmdMainMenu;
    QPushButton *cmdHelp;

protected:
    void leaveByFrame() override;

private:
    QWidget *makeTitle();
    QGroupBox *makeOptionPair(const QString &name, const QString &caption, const QString &arrayName,
                              std::array<QRadioButton *, 2> &options, const QString &first, const QString &second);
    QWidget *makeGrid();
    void installEntryBoxes();
    QWidget *nextControl(course_layout::Value column, int row) const;
    void setTabOrders();
    void tellSaveFailed(const QString &reason);

    std::unique_ptr<DataControl> datgolf;
};
