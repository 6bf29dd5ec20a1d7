#include "golfers/frm_round_details.h"
#include "tests/support/driving.h"
#include "tests/support/handicap_data.h"
#include "tests/support/test_program.h"

#include <QComboBox>
#include <QTableWidget>
#include <QtTest>

using namespace driving;

namespace {

// Ann's rounds saved before rounds had details, and the window opened for her from the roster.
struct FillIn
{
    TestProgram program;
    FormWindow *roster = nullptr;
    FormWindow *window = nullptr;
    QTableWidget *rounds = nullptr;

    FillIn()
    {
        program.addGolfer(QStringLiteral("Ann"));
        for (const QString &date :
             {QStringLiteral("5/1/2026"), QStringLiteral("2026-05-08"), QStringLiteral("sometime")}) {
            program.addRound(handicap_data::roundOf(QStringLiteral("Ann"), QStringLiteral("Pine Hills"), 80, date));
        }
        program.startUp();
        roster = program.windows.show(QStringLiteral("frmGolfer"));
        choose(roster, QStringLiteral("cboAddGolfer"), 0);
        click(roster, QStringLiteral("cmdRoundDetails"));
        window = program.windows.loaded(QStringLiteral("frmRoundDetails"));
        rounds = child<QTableWidget>(window, QStringLiteral("grdRounds"));
    }

    QStringList column(int which) const
    {
        QStringList texts;
        for (int row = 0; row < rounds->rowCount(); ++row) {
            texts.append(which == frmRoundDetails::Counted
                             ? (rounds->item(row, which)->checkState() == Qt::Checked ? "yes" : "no")
                             : rounds->item(row, which)->text());
        }
        return texts;
    }

    void save() { click(window, QStringLiteral("cmdSave")); }

    QStringList stored() const
    {
        return program.query("SELECT record_no, tee, played_on, pcc FROM round_details ORDER BY record_no");
    }
};

} // namespace

// Filling in the tee and day of rounds saved before rounds had them.
class RoundDetailsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Saved dates are read as days where they can be; what is counted is stored as typed, the rest stays listed.
    void fillingIn()
    {
        FillIn fill;
        QVERIFY(fill.window->isVisible() && !fill.roster->isVisible());
        QCOMPARE(fill.column(frmRoundDetails::StoredDate), (QStringList {"5/1/2026", "2026-05-08", "sometime"}));
        QCOMPARE(fill.column(frmRoundDetails::PlayedOn), (QStringList {"2026-05-01", "2026-05-08", ""}));
        QCOMPARE(fill.column(frmRoundDetails::Tee), (QStringList {"White", "White", "White"}));
        QCOMPARE(fill.column(frmRoundDetails::Counted), (QStringList {"yes", "yes", "no"}));
        QCOMPARE(text(fill.window, QStringLiteral("lblGolfer")),
                 QStringLiteral("Rounds of Ann saved without a tee and date: 3"));

        fill.rounds->item(0, frmRoundDetails::Tee)->setText(QStringLiteral("blue"));
        fill.rounds->item(1, frmRoundDetails::Counted)->setCheckState(Qt::Unchecked);
        fill.rounds->item(2, frmRoundDetails::PlayedOn)
            ->setText(QStringLiteral("6/3/26")); // in the locale's short form
        fill.rounds->item(2, frmRoundDetails::Counted)->setCheckState(Qt::Checked);
        fill.save();
        QVERIFY(fill.program.messages.shown.isEmpty());
        QCOMPARE(fill.stored(), (QStringList {"1 blue 2026-05-01 0", "3 white 2026-06-03 0"}));
        QCOMPARE(fill.column(frmRoundDetails::StoredDate), QStringList {"2026-05-08"});
        QCOMPARE(text(fill.window, QStringLiteral("lblOutcome")), QStringLiteral("2 rounds filled in; 1 left out."));

        click(fill.window, QStringLiteral("cmdBack"));
        QVERIFY(!fill.window->isVisible() && fill.roster->isVisible());
    }

    // The first wrong row is told and chosen; the right row before it is not saved either.
    void aWrongRowSavesNothing_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("told");
        QTest::newRow("no such day") << int(frmRoundDetails::PlayedOn) << "2026-02-30"
                                     << "needs a real day played, such as 2026-06-12, or clear its Count.";
        QTest::newRow("no such tee") << int(frmRoundDetails::Tee) << "Green"
                                     << "needs a tee: Blue, White or Red.";
    }
    void aWrongRowSavesNothing()
    {
        QFETCH(int, column);
        QFETCH(QString, typed);
        QFETCH(QString, told);
        FillIn fill;
        fill.rounds->item(1, column)->setText(typed);
        fill.save();
        QCOMPARE(fill.program.messages.titles(), QStringList {"Round Details"});
        QCOMPARE(fill.program.messages.shown[0].text, "The round of \"2026-05-08\" at Pine Hills " + told);
        QCOMPARE(fill.stored(), QStringList());
        QCOMPARE(fill.rounds->currentRow(), 1);
    }
};

QTEST_MAIN(RoundDetailsTest)
#include "tst_round_details.moc"
