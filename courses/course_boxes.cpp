#include "courses/course_boxes.h"

#include "core/records/shared_state.h"
#include "courses/frm_new_course.h"

#include <QLineEdit>

namespace {

using namespace course_layout;

// The course_record entry a grid box stands for; row 9 is the nine's total.
int entryOf(Value column, int row, bool backNine)
{
    if (row == 9) {
        return backNine ? backTotalIndex(column) : frontTotalIndex(column);
    }
    return holeIndex((backNine ? 10 : 1) + row, column);
}

template<typename Visit> void forEachBox(const frmNewCourse &editor, Visit visit)
{
    for (int column = Blue; column <= Handicap; ++column) {
        for (int row = 0; row <= 9; ++row) {
            if (QLineEdit *box = editor.box(Value(column), row)) {
                visit(box, Value(column), row);
            }
        }
    }
}

void restore(frmNewCourse &editor, const SharedState &state, bool backNine)
{
    forEachBox(editor, [&](QLineEdit *box, Value column, int row) {
        box->setText(state.course_record.value(entryOf(column, row, backNine)));
    });
}

void store(const frmNewCourse &editor, SharedState &state, bool backNine)
{
    forEachBox(editor, [&](QLineEdit *box, Value column, int row) {
        state.course_record[entryOf(column, row, backNine)] = box->text();
    });
}

} // namespace

void restore_front_course(frmNewCourse &editor, const SharedState &state)
{
    restore(editor, state, false);
}

void restore_back_course(frmNewCourse &editor, const SharedState &state)
{
    restore(editor, state, true);
}

void store_front_course(const frmNewCourse &editor, SharedState &state)
{
    store(editor, state, false);
}

void store_back_course(const frmNewCourse &editor, SharedState &state)
{
    store(editor, state, true);
    state.course_record[backTotalIndex(Handicap)] = QStringLiteral("0");
}

void zero_course_boxes(frmNewCourse &editor)
{
    forEachBox(editor, [](QLineEdit *box, Value, int) { box->setText(QStringLiteral("0")); });
}
