#include "card/card_grid.h"

#include <QAbstractButton>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

namespace {

constexpr CardColour BlueRow = CardColour::Blue;
constexpr CardColour WhiteRow = CardColour::White;
constexpr CardColour RedRow = CardColour::Red;
constexpr CardColour GreyRow = CardColour::Grey;
constexpr CardColour GreenBand = CardColour::Band;
constexpr CardColour EntryCell = CardColour::Entry;
constexpr CardColour ScoreTotal = CardColour::Total;

constexpr int NineColumn = 10;
constexpr int TotalColumn = 11;

QLabel *makeCell(QWidget *parent, const QString &name, const QString &text, CardColour colour)
{
    auto *cell = new QLabel(text, parent);
    cell->setObjectName(name);
    cell->setAlignment(Qt::AlignCenter);
    cell->setMinimumSize(46, 26);
    paintCardCell(cell, colour);
    return cell;
}

QLineEdit *makeEntry(QWidget *parent, const QString &name)
{
    auto *box = new QLineEdit(QStringLiteral("0"), parent);
    box->setObjectName(name);
    box->setAlignment(Qt::AlignCenter);
    box->setMinimumSize(46, 26);
    box->setMaximumWidth(64);
    paintCardCell(box, EntryCell);
    return box;
}

} // namespace

void paintCardCell(QWidget *cell, CardColour colour)
{
    static const char *const names[] = {"blue", "white", "red", "grey", "band", "entry", "total"};
    cell->setProperty("cardColour", QString::fromLatin1(names[int(colour)]));
}

QString cardStyleSheet()
{
    // One style sheet for a whole card is far cheaper than one per cell.
    return QStringLiteral(
        "[cardColour=\"blue\"] { background: rgb(0,0,192); color: rgb(255,255,255); }"
        "[cardColour=\"white\"] { background: rgb(255,255,255); color: rgb(64,64,64); }"
        "[cardColour=\"red\"] { background: rgb(192,64,0); color: rgb(255,255,255); }"
        "[cardColour=\"grey\"] { background: rgb(128,128,128); color: rgb(255,255,255); }"
        "[cardColour=\"band\"] { background: rgb(0,192,0); }"
        "[cardColour=\"entry\"] { background: rgb(255,255,240); color: rgb(0,0,0); }"
        "[cardColour=\"total\"] { background: rgb(255,255,240); color: rgb(0,0,128); font-weight: bold; }");
}

QString cardArrayName(const char *array, int index)
{
    return QString::fromLatin1(array) + QLatin1Char('_') + QString::number(index);
}

CardGrid::CardGrid(Middle middle, QWidget *parent)
    : QFrame(parent)
    , m_grid(new QGridLayout(this))
{
    setObjectName(QStringLiteral("card"));
    setFrameShape(QFrame::Box);
    m_grid->setSpacing(1);
    m_grid->setContentsMargins(2, 2, 2, 2);
    QFont cardFont = font();
    cardFont.setBold(true);
    setFont(cardFont);

    m_grid->addWidget(makeCell(this, QStringLiteral("lblHole"), QStringLiteral("Hole"), GreyRow), 0, 0);
    for (int i = 0; i < 9; ++i) {
        lblHole[i] = makeCell(this, QStringLiteral("lblHole%1").arg(i + 1), QString::number(i + 1), GreyRow);
        m_grid->addWidget(lblHole[i], 0, i + 1);
    }
    lblInOut = makeCell(this, QStringLiteral("lblInOut"), QStringLiteral("OUT"), GreyRow);
    m_grid->addWidget(lblInOut, 0, NineColumn);
    m_grid->addWidget(makeCell(this, QStringLiteral("lblTotal"), QStringLiteral("TOT"), GreyRow), 0, TotalColumn);

    addCourseRow(1, {"lblBlue", "Blue", "lblb1", "lblby", "lblbtot", BlueRow, "blue yards"}, lblb1, &lblby, &lblbtot);
    addCourseRow(2, {"lblWhite", "White", "lblw1", "lblwy", "lblwtot", WhiteRow, "white yards"}, lblw1, &lblwy,
                 &lblwtot);
    addCourseRow(3, {"lblRed", "Red", "lblr1", "lblry", "lblrtot", RedRow, "red yards"}, lblr1, &lblry, &lblrtot);
    addCourseRow(4, {"lblPar", "Par", "lblp1", "lblpf9", "lblptot", GreyRow, "par"}, lblp1, &lblpf9, &lblptot);
    int handicapRow = 6;
    if (middle == Middle::ScoreRows) {
        addScoreRows(5);
        handicapRow = 7;
    } else {
        addBand(5);
    }
    addCourseRow(handicapRow, {"lblHtitle", "Handicap", "lblh1", nullptr, nullptr, GreyRow, "handicap"}, lblh1, nullptr,
                 nullptr);
    describeCells();
    // Given last, so the cells are styled in one pass rather than one by one.
    setStyleSheet(cardStyleSheet());
}

void CardGrid::addCourseRow(int row, const RowCells &rowLayout, std::array<QLabel *, 9> &cells, QLabel **nineTotal,
                            QLabel **eighteenTotal)
{
    const QString what = QString::fromLatin1(rowLayout.what);
    m_grid->addWidget(
        makeCell(this, QString::fromLatin1(rowLayout.header), QString::fromLatin1(rowLayout.caption), rowLayout.colour),
        row, 0);
    for (int i = 0; i < 9; ++i) {
        cells[i] = makeCell(this, cardArrayName(rowLayout.array, i), QStringLiteral("0"), rowLayout.colour);
        cells[i]->setProperty("cardValue", what);
        m_grid->addWidget(cells[i], row, i + 1);
    }
    if (nineTotal) {
        *nineTotal = makeCell(this, QString::fromLatin1(rowLayout.nineTotal), QStringLiteral("0"), rowLayout.colour);
        *eighteenTotal
            = makeCell(this, QString::fromLatin1(rowLayout.eighteenTotal), QStringLiteral("0"), rowLayout.colour);
        (*nineTotal)->setProperty("cardValue", what);
        (*eighteenTotal)->setAccessibleDescription(QStringLiteral("Eighteen holes %1 total").arg(what));
        m_grid->addWidget(*nineTotal, row, NineColumn);
        m_grid->addWidget(*eighteenTotal, row, TotalColumn);
    } else {
        m_grid->addWidget(makeCell(this, QString(), QString(), rowLayout.colour), row, NineColumn);
        m_grid->addWidget(makeCell(this, QString(), QString(), rowLayout.colour), row, TotalColumn);
    }
}

void CardGrid::addScoreRows(int firstRow)
{
    txtName = new QLineEdit(this);
    txtName->setObjectName(QStringLiteral("txtName"));
    txtName->setReadOnly(true);
    txtName->setFocusPolicy(Qt::NoFocus);
    txtName->setAccessibleName(QStringLiteral("Golfer"));
    txtName->setPlaceholderText(QStringLiteral("Strokes"));
    txtName->setMinimumWidth(90);
    m_grid->addWidget(txtName, firstRow, 0);

    auto *puttsHeader = new QLineEdit(QStringLiteral("Putts"), this);
    puttsHeader->setObjectName(QStringLiteral("txtPutts"));
    puttsHeader->setReadOnly(true);
    puttsHeader->setFocusPolicy(Qt::NoFocus);
    m_grid->addWidget(puttsHeader, firstRow + 1, 0);

    // Made row by row, so Tab goes along the strokes, then along the putts.
    for (int i = 0; i < 9; ++i) {
        txth1[i] = makeEntry(this, cardArrayName("txth1", i));
        m_grid->addWidget(txth1[i], firstRow, i + 1);
    }
    for (int i = 0; i < 9; ++i) {
        putts[i] = makeEntry(this, cardArrayName("putts", i));
        m_grid->addWidget(putts[i], firstRow + 1, i + 1);
    }
    lbl9tot = makeCell(this, QStringLiteral("lbl9tot"), QStringLiteral("0"), ScoreTotal);
    lbl18tot = makeCell(this, QStringLiteral("lbl18tot"), QStringLiteral("0"), ScoreTotal);
    lblputts9 = makeCell(this, QStringLiteral("lblputts9"), QStringLiteral("0"), ScoreTotal);
    lblputts18 = makeCell(this, QStringLiteral("lblputts18"), QStringLiteral("0"), ScoreTotal);
    lbl18tot->setAccessibleDescription(QStringLiteral("Eighteen holes strokes total"));
    lblputts18->setAccessibleDescription(QStringLiteral("Eighteen holes putts total"));
    m_grid->addWidget(lbl9tot, firstRow, NineColumn);
    m_grid->addWidget(lbl18tot, firstRow, TotalColumn);
    m_grid->addWidget(lblputts9, firstRow + 1, NineColumn);
    m_grid->addWidget(lblputts18, firstRow + 1, TotalColumn);
}

void CardGrid::addBand(int row)
{
    auto *band = new QLabel(this);
    band->setObjectName(QStringLiteral("band"));
    band->setMinimumHeight(54);
    paintCardCell(band, GreenBand);
    m_grid->addWidget(band, row, 0, 1, TotalColumn + 1);
}

void CardGrid::showNine(bool backNine)
{
    m_backNine = backNine;
    const int first = backNine ? 10 : 1;
    for (int i = 0; i < 9; ++i) {
        lblHole[i]->setText(QString::number(first + i));
    }
    lblInOut->setText(backNine ? QStringLiteral("IN") : QStringLiteral("OUT"));
    describeCells();
}

void CardGrid::describeCells()
{
    const int first = m_backNine ? 10 : 1;
    const QString nine = m_backNine ? QStringLiteral("Back nine") : QStringLiteral("Front nine");
    for (int i = 0; i < 9; ++i) {
        const QString hole = QStringLiteral("Hole %1 ").arg(first + i);
        for (auto *row : {&lblb1, &lblw1, &lblr1, &lblp1, &lblh1}) {
            (*row)[i]->setAccessibleDescription(hole + (*row)[i]->property("cardValue").toString());
        }
        if (txth1[i]) {
            txth1[i]->setAccessibleName(hole + QStringLiteral("strokes"));
            putts[i]->setAccessibleName(hole + QStringLiteral("putts"));
        }
    }
    for (QLabel *total : {lblby, lblwy, lblry, lblpf9}) {
        total->setAccessibleDescription(nine + QLatin1Char(' ') + total->property("cardValue").toString()
                                        + QStringLiteral(" total"));
    }
    if (lbl9tot) {
        lbl9tot->setAccessibleDescription(nine + QStringLiteral(" strokes total"));
        lblputts9->setAccessibleDescription(nine + QStringLiteral(" putts total"));
    }
}
