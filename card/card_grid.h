#pragma once

#include <QFrame>

#include <array>

class QAbstractButton;
class QGridLayout;

// The colours of the card rows (background / text), as on the paper card.
enum class CardColour
{
    Blue,
    White,
    Red,
    Grey,
    Band,
    Entry,
    Total
};

// Gives a cell a card colour; cardStyleSheet() on the card or an ancestor paints it.
void paintCardCell(QWidget *cell, CardColour colour);
QString cardStyleSheet();
class QLabel;
class QLineEdit;

// The paper score card shared by the course card viewer and the score card:
// a header column, nine hole columns, the nine total ("OUT"/"IN") and "TOT".
// Rows: Hole, Blue, White, Red, Par, then either the stroke and putt entry rows
// (score card) or an empty green band (course card), then Handicap.
// Every cell carries its name from the score card as objectName ("lblb1_3" is
// element 3 of lblb1), so the card routines can find it on any card window.
class CardGrid : public QFrame
{
    Q_OBJECT

public:
    enum class Middle
    {
        ScoreRows,
        EmptyBand
    };

    explicit CardGrid(Middle middle, QWidget *parent = nullptr);

    // Hole labels "1".."9" with "OUT", or "10".."18" with "IN".
    void showNine(bool backNine);

    std::array<QLabel *, 9> lblHole {};
    std::array<QLabel *, 9> lblb1 {}, lblw1 {}, lblr1 {}, lblp1 {}, lblh1 {};
    QLabel *lblInOut = nullptr;
    QLabel *lblby = nullptr, *lblwy = nullptr, *lblry = nullptr, *lblpf9 = nullptr;
    QLabel *lblbtot = nullptr, *lblwtot = nullptr, *lblrtot = nullptr, *lblptot = nullptr;

    // Score card only.
    QLineEdit *txtName = nullptr;
    std::array<QLineEdit *, 9> txth1 {}, putts {};
    QLabel *lbl9tot = nullptr, *lbl18tot = nullptr, *lblputts9 = nullptr, *lblputts18 = nullptr;

private:
    struct RowCells
    {
        const char *header;
        const char *caption;
        const char *array;
        const char *nineTotal;
        const char *eighteenTotal;
        CardColour colour;
        const char *what;
    };
    void addCourseRow(int row, const RowCells &cellsOf, std::array<QLabel *, 9> &cells, QLabel **nineTotal,
                      QLabel **eighteenTotal);
    void addScoreRows(int firstRow);
    void addBand(int row);
    void describeCells();

    QGridLayout *m_grid;
    bool m_backNine = false;
};

// The size of the picture strips above a card.
constexpr QSize PictureStripSize(240, 56);

// The name of element i of a card array: "txth1_4".
QString cardArrayName(const char *array, int index);
