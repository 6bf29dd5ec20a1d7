#include "courses/course_grid.h"

#include "card/card_grid.h"
#include "core/records/text_rules.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

#include <cmath>

using namespace course_layout;

namespace {

QLabel *makeCell(QWidget *parent, const QString &name, const QString &caption, CardColour colour)
{
    auto *label = new QLabel(caption, parent);
    label->setObjectName(name);
    label->setAlignment(Qt::AlignCenter);
    paintCardCell(label, colour);
    label->setMinimumSize(58, 24);
    return label;
}

// The course_record entry a grid box stands for; row 9 is the nine's total.
int entryOf(Value column, int row, bool backNine)
{
    if (row == 9) {
        return backNine ? backTotalIndex(column) : frontTotalIndex(column);
    }
    return holeIndex((backNine ? 10 : 1) + row, column);
}

} // namespace

CourseGrid::CourseGrid(QWidget *parent)
    : QGroupBox(parent)
{
    setObjectName(QStringLiteral("fraf9"));
    setStyleSheet(cardStyleSheet());
    auto *grid = new QGridLayout(this);
    grid->setSpacing(2);

    grid->addWidget(makeCell(this, QStringLiteral("lblHole"), QStringLiteral("Hole"), CardColour::Grey), 0, 0, 2, 1);
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
        QLabel *header = makeCell(this, QString::fromLatin1(heading.header), QString::fromLatin1(heading.caption),
                                  heading.colours);
        if (heading.subHeader) {
            grid->addWidget(header, 0, column + 1);
            grid->addWidget(
                makeCell(this, QString::fromLatin1(heading.subHeader), QStringLiteral("Yards"), heading.colours), 1,
                column + 1);
        } else {
            grid->addWidget(header, 0, column + 1, 2, 1);
        }
    }

    std::array<QLineEdit *, 10> *valueColumns[] = {&yb1, &yw1, &yr1, &p1};
    const char *const arrayNames[] = {"yb1", "yw1", "yr1", "p1", "h1"};
    for (int row = 0; row <= 9; ++row) {
        QLabel *rowHeader = row < 9
            ? makeCell(this, QStringLiteral("lblH%1").arg(row + 1), QString(), CardColour::Grey)
            : makeCell(this, QStringLiteral("lbltotal"), QStringLiteral("Total"), CardColour::Grey);
        if (row < 9) {
            lblHoles[row] = rowHeader;
        }
        grid->addWidget(rowHeader, row + 2, 0);
        for (int column = Blue; column <= Handicap; ++column) {
            if (column == Handicap && row == 9) {
                continue;
            }
            auto *entry = new QLineEdit(QStringLiteral("0"), this);
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
    labelNine(false);
}

QLineEdit *CourseGrid::box(Value column, int row) const
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

template<typename Visit> void CourseGrid::forEachBox(Visit visit) const
{
    for (int column = Blue; column <= Handicap; ++column) {
        for (int row = 0; row <= 9; ++row) {
            if (QLineEdit *entry = box(Value(column), row)) {
                visit(entry, Value(column), row);
            }
        }
    }
}

void CourseGrid::labelNine(bool backNine)
{
    static const char *const what[] = {"blue yards", "white yards", "red yards", "par", "handicap"};
    const int firstHole = backNine ? 10 : 1;
    const QString nine = backNine ? QStringLiteral("Back nine") : QStringLiteral("Front nine");
    setTitle(backNine ? QStringLiteral("Back Nine") : QStringLiteral("Front Nine"));
    for (int row = 0; row < 9; ++row) {
        lblHoles[row]->setText(QString::number(firstHole + row));
    }
    forEachBox([&](QLineEdit *entry, Value column, int row) {
        const QString value = QString::fromLatin1(what[column]);
        entry->setAccessibleName(row < 9 ? QStringLiteral("Hole %1 %2").arg(firstHole + row).arg(value)
                                         : QStringLiteral("%1 %2 total").arg(nine, value));
    });
}

void CourseGrid::restore(const QStringList &course_record, bool backNine)
{
    forEachBox([&](QLineEdit *entry, Value column, int row) {
        entry->setText(course_record.value(entryOf(column, row, backNine)));
    });
}

void CourseGrid::store(QStringList &course_record, bool backNine) const
{
    forEachBox([&](QLineEdit *entry, Value column, int row) {
        course_record[entryOf(column, row, backNine)] = entry->text();
    });
    if (backNine) {
        course_record[backTotalIndex(Handicap)] = QStringLiteral("0");
    }
}

void CourseGrid::zero()
{
    forEachBox([](QLineEdit *entry, Value, int) { entry->setText(QStringLiteral("0")); });
}

void CourseGrid::addUpTotals()
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
