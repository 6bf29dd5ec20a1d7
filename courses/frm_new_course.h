#pragma once

#include "core/handicap/handicap_types.h"
#include "core/records/course_layout.h"
#include "ui/form_window.h"
#include "ui/nine_switch.h"

#include <array>
#include <memory>
#include <vector>

class CourseGrid;
class DataControl;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class TeeRatingsBox;

namespace SQLite {
class Database;
}

// The course editor: a new course typed in, or a stored one changed, nine holes
// at a time on a grid of entry boxes; the nine not shown waits in course_record.
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

    bool backNineShown() const;

protected:
    void leaveByFrame() override;

private:
    QWidget *makeTitle();
    QGroupBox *makeOptionPair(const QString &name, const QString &caption, const QString &arrayName,
                              std::array<QRadioButton *, 2> &options, const QString &first, const QString &second);
    void installEntryBoxes();
    QWidget *nextControl(course_layout::Value column, int row) const;
    void setTabOrders();
    void showNine(bool backNine);
    void storeShownNine();
    // Keeps what the shown nine holds in the course record, then shows the given nine.
    void turnToNine(bool backNine);
    bool save_course(int mode, bool eighteenHoles, const std::vector<handicap::RatedTee> &ratings);
    SQLite::Database &scorebook();
    void showStoredRatings(const QString &course);
    // Stores the ratings of the course just saved; tells the user when they were not.
    void storeRatings(const QString &course, const std::vector<handicap::RatedTee> &ratings, bool replace);
    bool confirmUpdate();
    void rebuildCourseState();
    void tellSaveFailed(const QString &reason);

    QLabel *lblNew;
    std::array<QRadioButton *, 2> Option2 {}; // New, Edit
    std::array<QRadioButton *, 2> Option1 {}; // Nine, Eighteen
    QLineEdit *txtNewName;
    QComboBox *cboName;
    CourseGrid *fraf9;
    NineSwitch *cmdf9;
    QPushButton *cmdSaveData;
    QPushButton *cmdViewCourse;
    QPushButton *cmdMainMenu;
    QPushButton *cmdHelp;
    std::unique_ptr<DataControl> datgolf;
    TeeRatingsBox *fraRatings;
    std::unique_ptr<SQLite::Database> m_scorebook; // the ratings, beside the course table
};
