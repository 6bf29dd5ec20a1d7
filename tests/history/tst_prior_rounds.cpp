#include "history/frm_view_pr.h"
#include "tests/support/test_program.h"

#include <QHeaderView>
#include <QPushButton>
#include <QTableView>
#include <QtTest>

// The grid of every stored round.
class PriorRoundsTest : public QObject
{
    Q_OBJECT

private:
    static void addRounds(TestProgram &program, int count)
    {
        for (int i = 0; i < count; ++i) {
            program.addRound({{"golfer_name", QStringLiteral("Golfer %1").arg(i)},
                              {"course_name", i % 2 ? QStringLiteral("Oak") : QStringLiteral("Pine")},
                              {"h1", QString::number(3 + i)},
                              {"f9", QString::number(40 + i)},
                              {"b9", QString::number(41 + i)},
                              {"total", QString::number(81 + 2 * i)}});
        }
    }

    static frmViewPR *open(TestProgram &program)
    {
        return static_cast<frmViewPR *>(program.windows.show(QStringLiteral("frmViewPR")));
    }

private Q_SLOTS:
    void bandingAndBoldFollowTheNumberOfRounds_data()
    {
        QTest::addColumn<int>("rounds");
        QTest::addColumn<bool>("bold");
        QTest::newRow("none") << 0 << false;
        QTest::newRow("one") << 1 << false;
        QTest::newRow("three") << 3 << true;
    }
    void bandingAndBoldFollowTheNumberOfRounds()
    {
        QFETCH(int, rounds);
        QFETCH(bool, bold);
        TestProgram program;
        addRounds(program, rounds);
        frmViewPR *window = open(program);
        auto *grid = window->findChild<QTableView *>(QStringLiteral("Grid1"));
        QAbstractItemModel *model = grid->model();
        QCOMPARE(model->rowCount(), rounds);
        for (int row = 0; row < rounds; ++row) {
            const QModelIndex cell = model->index(row, 1);
            QCOMPARE(model->data(cell, Qt::BackgroundRole).isValid(), row % 2 == 1);
            QCOMPARE(model->data(cell, Qt::FontRole).value<QFont>().bold(), bold);
            QCOMPARE(model->data(cell).toString(), QStringLiteral("Golfer %1").arg(row));
        }
        QCOMPARE(grid->editTriggers(), QAbstractItemView::NoEditTriggers);
    }

    void headersAndWidths()
    {
        TestProgram program;
        addRounds(program, 1);
        frmViewPR *window = open(program);
        QCOMPARE(window->windowTitle(), QStringLiteral(" Prior Round Played"));
        const QHash<int, QString> headers
            = {{2, "Name"}, {3, "Course"}, {4, "Date"}, {5, " 1"},   {13, " 9"}, {14, "OUT"},
               {15, " 10"}, {23, " 18"},   {24, "IN"},  {25, "TOT"}, {26, "p1"}, {67, "puttot"}};
        for (auto header = headers.cbegin(); header != headers.cend(); ++header) {
            QCOMPARE(window->headerText(header.key()), header.value());
        }
        for (int hidden : {0, 1, 26, 45, 67}) {
            QCOMPARE(window->columnWidth(hidden), 0);
        }
        // Every shown column fits its header, so no heading reads "TO".
        QHeaderView *header = window->findChild<QTableView *>()->horizontalHeader();
        for (int column = 2; column <= 25; ++column) {
            QVERIFY2(window->columnWidth(column) >= header->sectionSizeHint(column - 1),
                     qPrintable(QString::number(column)));
        }
        // The visible hole, nine and round columns show the stored values.
        QAbstractItemModel *model = window->findChild<QTableView *>()->model();
        QCOMPARE(model->data(model->index(0, 4)).toString(), QStringLiteral("3"));
        QCOMPARE(model->data(model->index(0, 13)).toString(), QStringLiteral("40"));
        QCOMPARE(model->data(model->index(0, 23)).toString(), QStringLiteral("41"));
        QCOMPARE(model->data(model->index(0, 24)).toString(), QStringLiteral("81"));
    }

    void eachOpeningShowsTheTableAsItIsNow()
    {
        TestProgram program;
        addRounds(program, 2);
        frmViewPR *first = open(program);
        QPointer<frmViewPR> closed = first;
        QTest::mouseClick(first->findChild<QPushButton *>(QStringLiteral("cmdDone")), Qt::LeftButton);
        QTRY_VERIFY(closed.isNull());

        program.addRound({{"golfer_name", QStringLiteral("Newest")}});
        frmViewPR *second = open(program);
        QAbstractItemModel *model = second->findChild<QTableView *>()->model();
        QCOMPARE(model->rowCount(), 3);
        QCOMPARE(model->data(model->index(2, 1)).toString(), QStringLiteral("Newest"));
        second->close();
        QVERIFY(!program.windows.loaded(QStringLiteral("frmViewPR")));
    }

    void manyRoundsAreReadOnlyAsFarAsShown()
    {
        TestProgram program;
        program.changeFromOutside(
            QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 5000) "
                           "INSERT INTO rounds (golfer_name, total) SELECT 'Golfer ' || i, 80 FROM n"));
        frmViewPR *window = open(program);
        QAbstractItemModel *model = window->findChild<QTableView *>()->model();
        QCOMPARE(model->rowCount(), 5000);
        QCOMPARE(model->data(model->index(4999, 1)).toString(), QStringLiteral("Golfer 5000"));
        QCOMPARE(model->data(model->index(0, 1)).toString(), QStringLiteral("Golfer 1"));
    }
};

QTEST_MAIN(PriorRoundsTest)
#include "tst_prior_rounds.moc"
