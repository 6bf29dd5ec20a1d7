#pragma once

#include "core/records/course_layout.h"

#include <QGroupBox>

#include <array>

class QLabel;
class QLineEdit;

// The course editor's grid: one nine of a course as entry boxes, a row per
// hole and a column per value (blue, white, red yards, par, handicap), with
// the nine's yardage and par totals in row 9. It moves a nine between its
// boxes and the course record; which nine it shows is the editor's to say.
class CourseGrid : public QGroupBox
{
    Q_OBJECT

public:
    explicit CourseGrid(QWidget *parent);

    // The box of a column (blue, white, red, par: rows 0..9; handicap: rows 0..8).
    QLineEdit *box(course_layout::Value column, int row) const;

    // Title, hole labels and the boxes' accessible names for the nine shown.
    void labelNine(bool backNine);
    // Writing a box runs its change handler, so totals follow every restore.
    void restore(const QStringList &course_record, bool backNine);
    // The back nine also sets its handicap total (h19) to "0": nothing computes it.
    void store(QStringList &course_record, bool backNine) const;
    void zero();
    // Rows 0..8 of the yardage and par columns added up into row 9.
    void addUpTotals();

private:
    template<typename Visit> void forEachBox(Visit visit) const;

    std::array<QLabel *, 9> lblHoles {}; // lblH1 .. lblH9
    std::array<QLineEdit *, 10> yb1 {}, yw1 {}, yr1 {}, p1 {};
    std::array<QLineEdit *, 9> h1 {};
};
