#include "history/frm_view_pr.h"
#include "tests/support/driving.h"
#include "tests/support/test_program.h"

#include <QHeaderView>
#include <QTableView>
#include <QtTest>

// The grid of every stored round.
class PriorRoundsTest : public QObject
{
    Q_OBJECT

private:
    static frmViewPR *open(TestProgram &program)
    {
        return static_cast<frmViewPR *>(program.windows.show(QStringLiteral("frmViewPR")));
    }

    static QTableView *grid(QWidget *window) { return driving::child<QTableView>(window, QStringLiteral("Grid1")); }

private Q_SLOTS:
    // Banded rows, read-only; every column at least as wide as its header, so none reads "TO",
    // and every cell's tooltip holds its value in full.
    void gridShowsTheStoredValuesUnderHeadersThatFit()
    {
        TestProgram program;
        program.changeFromOutside(QStringLiteral("INSERT INTO rounds (golfer_name, h1, total) VALUES "
                                                 "('Ann', '3', '81'), ('Bob', '4', '82'), ('Cy', '123456789', '83')"));
        frmViewPR *window = open(program);
        QAbstractItemModel *model = grid(window)->model();
        QVERIFY(!model->data(model->index(0, 1), Qt::BackgroundRole).isValid());
        QVERIFY(model->data(model->index(1, 1), Qt::BackgroundRole).isValid());
        QCOMPARE(grid(window)->editTriggers(), QAbstractItemView::NoEditTriggers);
        QCOMPARE(model->data(model->index(2, 4)).toString(), QStringLiteral("123456789"));
        QCOMPARE(model->data(model->index(2, 24)).toString(), QStringLiteral("83"));

        QCOMPARE(window->headerText(25), QStringLiteral("TOT"));
        QCOMPARE(window->columnWidth(0), 0);
        QHeaderView *header = grid(window)->horizontalHeader();
        for (int column = 2; column <= 25; ++column) {
            QVERIFY2(window->columnWidth(column) >= header->sectionSizeHint(column - 1),
                     qPrintable(QString::number(column)));
            const QModelIndex cell = model->index(2, column - 1);
            QCOMPARE(model->data(cell, Qt::ToolTipRole), model->data(cell));
        }
    }

    // Each opening reads the table anew; the text turns bold from the second round on.
    void eachOpeningShowsTheTableAsItIsNow()
    {
        TestProgram program;
        program.addRound({{"golfer_name", QStringLiteral("Oldest")}});
        QPointer<frmViewPR> first = open(program);
        QVERIFY(!grid(first)->model()->index(0, 1).data(Qt::FontRole).value<QFont>().bold());
        driving::click(first, QStringLiteral("cmdDone"));
        QTRY_VERIFY(first.isNull());

        program.addRound({{"golfer_name", QStringLiteral("Newest")}});
        frmViewPR *second = open(program);
        QAbstractItemModel *model = grid(second)->model();
        QCOMPARE(model->rowCount(), 2);
        QCOMPARE(model->data(model->index(1, 1)).toString(), QStringLiteral("Newest"));
        QVERIFY(model->data(model->index(0, 1), Qt::FontRole).value<QFont>().bold());
        second->close();
        QVERIFY(!program.windows.loaded(QStringLiteral("frmViewPR")));
    }

    void manyRoundsAreAllReachable()
    {
        TestProgram program;
        program.changeFromOutside(
            QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 5000) "
                           "INSERT INTO rounds (golfer_name, total) SELECT 'Golfer ' || i, 80 FROM n"));
        QAbstractItemModel *model = grid(open(program))->model();
        QCOMPARE(model->rowCount(), 5000);
        QCOMPARE(model->data(model->index(4999, 1)).toString(), QStringLiteral("Golfer 5000"));
    }
};

QTEST_MAIN(PriorRoundsTest)
#include "tst_prior_rounds.moc"
