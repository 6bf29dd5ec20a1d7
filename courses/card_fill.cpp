#include "courses/card_fill.h"

#include "courses/card_grid.h"
#include "courses/course_layout.h"
#include "data/shared_state.h"
#include "data/text_rules.h"

#include <QLabel>

namespace {

using namespace course_layout;

void setCell(QWidget *window, const QString &name, const QString &value)
{
    if (auto *cell = window->findChild<QLabel *>(name)) {
        cell->setText(value);
    }
}

void fillNine(QWidget *window, const QStringList &course, bool backNine)
{
    static const char *const holeArrays[] = {"lblb1", "lblw1", "lblr1", "lblp1", "lblh1"};
    static const char *const nineTotals[] = {"lblby", "lblwy", "lblry", "lblpf9"};
    static const char *const eighteenTotals[] = {"lblbtot", "lblwtot", "lblrtot", "lblptot"};

    const int firstHole = backNine ? 10 : 1;
    for (int i = 0; i < 9; ++i) {
        for (int value = Blue; value <= Handicap; ++value) {
            setCell(window, cardArrayName(holeArrays[value], i), course.value(holeIndex(firstHole + i, Value(value))));
        }
    }
    for (int value = Blue; value <= Par; ++value) {
        const QString front = course.value(frontTotalIndex(Value(value)));
        const QString back = course.value(backTotalIndex(Value(value)));
        setCell(window, QString::fromLatin1(nineTotals[value]), backNine ? back : front);
        setCell(window, QString::fromLatin1(eighteenTotals[value]),
                text::plainNumber(text::leadingNumber(front) + text::leadingNumber(back)));
    }
}

} // namespace

void fill_front_card(QWidget *cardWindow, const SharedState &state, int row)
{
    fillNine(cardWindow, state.course_cache.value(row), false);
}

void fill_back_card(QWidget *cardWindow, const SharedState &state, int row)
{
    fillNine(cardWindow, state.course_cache.value(row), true);
}
