#include "courses/nine_labels.h"

#include "card/card_grid.h"
#include "courses/frm_new_course.h"
#include "ui/nine_switch.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

using namespace course_layout;

void labelNine(frmNewCourse &editor, bool backNine)
{
    static const char *const what[] = {"blue yards", "white yards", "red yards", "par", "handicap"};
    const int firstHole = backNine ? 10 : 1;
    const QString nine = backNine ? QStringLiteral("Back nine") : QStringLiteral("Front nine");
    editor.fraf9->setTitle(backNine ? QStringLiteral("Back Nine") : QStringLiteral("Front Nine"));
    editor.cmdf9->setBackNineShown(backNine);
    for (int row = 0; row < 9; ++row) {
        editor.lblHoles[row]->setText(QString::number(firstHole + row));
    }
    for (int column = Blue; column <= Handicap; ++column) {
        const QString value = QString::fromLatin1(what[column]);
        for (int row = 0; row < 9; ++row) {
            editor.box(Value(column), row)
                ->setAccessibleName(QStringLiteral("Hole %1 %2").arg(firstHole + row).arg(value));
        }
        if (QLineEdit *total = editor.box(Value(column), 9)) {
            total->setAccessibleName(QStringLiteral("%1 %2 total").arg(nine, value));
        }
    }
}

} // namespace

void front_nine_labels(frmNewCourse &editor)
{
    labelNine(editor, false);
}

void back_nine_labels(frmNewCourse &editor)
{
    labelNine(editor, true);
}
