#include "handicap/frm_handicap.h"
#include "tests/support/driving.h"
#include "tests/support/handicap_data.h"
#include "tests/support/test_program.h"

#include <QApplication>
#include <QComboBox>
#include <QTableWidget>
#include <QtTest>

using namespace driving;
using namespace handicap_data;

namespace {

const QString Course = QStringLiteral("Pine Hills");

// The program with a rated course and two golfers.
struct Book
{
    TestProgram program;
    FormWindow *main = nullptr;

    Book()
    {
        program.addCourse(sampleCourse(Course, {}));
        rate(program, Course, QStringLiteral("white"), QStringLiteral("72.0"), 113);
        program.addGolfer(QStringLiteral("Ann"));
        program.addGolfer(QStringLiteral("Bob"));
    }

    FormWindow *openFromMenu()
    {
        if (!main) {
            main = program.startUp();
        }
        main->show();
        click(main, QStringLiteral("cmdHandicap"));
        return program.windows.loaded(QStringLiteral("frmHandicap"));
    }
};

} // namespace

// The handicap window: opened from the menu or the roster, the index and its working as the golfer sees them.
class HandicapWindowTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Opened from the menu with the golfer list focused, every part reached by the keyboard; no
    // index yet says why; the rounds saved while the window was away are read when it is shown again.
    void openedFromTheMenuWithNoIndexYet()
    {
        Book book;
        addDetailedRound(book.program, "Ann", Course, 80, {2026, 5, 1});
        FormWindow *window = book.openFromMenu();
        QVERIFY(window->isVisible());
        QVERIFY(!book.main->isVisible());
        QTRY_COMPARE(QApplication::focusWidget(), child(window, QStringLiteral("cboPlayer")));
        QCOMPARE(text(window, QStringLiteral("lblIndexNote")), QStringLiteral("Choose a golfer to see the index."));

        QStringList visited;
        for (int step = 0; step < 4; ++step) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited.append(QApplication::focusWidget()->objectName());
        }
        QCOMPARE(visited, (QStringList {"grdCounted", "grdNotCounted", "cmdMainMenu", "cmdHelp"}));
        // Values are read by their text and say what they are in their description.
        for (const char *value : {"lblIndex", "lblIndexNote", "lblLowIndex"}) {
            QVERIFY2(!child(window, QString::fromLatin1(value))->accessibleDescription().isEmpty(), value);
        }
        for (const char *table : {"grdCounted", "grdNotCounted"}) {
            QVERIFY2(!child(window, QString::fromLatin1(table))->accessibleName().isEmpty(), table);
        }

        choose(window, QStringLiteral("cboPlayer"), 0);
        QCOMPARE(text(window, QStringLiteral("lblIndex")), QStringLiteral("none"));
        QCOMPARE(text(window, QStringLiteral("lblIndexNote")),
                 QStringLiteral("3 rounds of 18 holes from rated tees are needed; 1 so far"));
        QCOMPARE(child<QTableWidget>(window, QStringLiteral("grdCounted"))->rowCount(), 1);
        click(window, QStringLiteral("cmdMainMenu"));
        QVERIFY(!window->isVisible());
        QVERIFY(book.main->isVisible());

        addDetailedRound(book.program, "Ann", Course, 81, {2026, 5, 2});
        addDetailedRound(book.program, "Ann", Course, 82, {2026, 5, 3});
        QCOMPARE(book.openFromMenu(), window);
        QCOMPARE(child<QTableWidget>(window, QStringLiteral("grdCounted"))->rowCount(), 3);
        QCOMPARE(text(window, QStringLiteral("lblIndex")), QStringLiteral("6.0"));
        QVERIFY(book.program.messages.shown.isEmpty());
    }

    // Differentials 8.0, 9.0 (82 - 72 - PCC 1) and 12.0: the lowest less 2.0.
    void countedRoundsAndTheReasonsOfTheOthers()
    {
        Book book;
        addDetailedRound(book.program, "Bob", Course, 80, {2026, 5, 1});
        addDetailedRound(book.program, "Bob", Course, 82, {2026, 5, 8}, "white", 1);
        addDetailedRound(book.program, "Bob", Course, 84, {2026, 5, 15});
        addDetailedRound(book.program, "Bob", Course, 75, {2026, 5, 2}, "red"); // no rating of the red tee
        book.program.addRound(roundOf("Bob", Course, 90, "long ago")); // saved before rounds had details
        FormWindow *window = book.openFromMenu();
        choose(window, QStringLiteral("cboPlayer"), 1);
        QCOMPARE(text(window, QStringLiteral("lblIndex")), QStringLiteral("6.0"));
        QCOMPARE(text(window, QStringLiteral("lblIndexNote")), QString());
        QTableWidget *counted = child<QTableWidget>(window, QStringLiteral("grdCounted"));
        QCOMPARE(counted->rowCount(), 3);
        QCOMPARE(rowTexts(counted, 0),
                 (QStringList {"2026-05-01", "Pine Hills", "White", "80", "80", "72.0", "113", "0", "none", "8.0",
                               "used", "none"}));
        QCOMPARE(counted->item(0, 9)->data(Qt::AccessibleTextRole).toString(), QStringLiteral("Differential 8.0"));
        QTableWidget *others = child<QTableWidget>(window, QStringLiteral("grdNotCounted"));
        QCOMPARE(others->rowCount(), 2);
        QCOMPARE(rowTexts(others, 0), (QStringList {"2026-05-02", "Pine Hills", "Red", "75", "no tee rating"}));
    }

    // The roster opens it for the golfer chosen there, and wants one from its list.
    void theRosterOpensItForTheChosenGolfer()
    {
        Book book;
        for (int day = 1; day <= 3; ++day) {
            addDetailedRound(book.program, "Bob", Course, 80 + day, {2026, 5, day});
        }
        book.program.startUp();
        FormWindow *roster = book.program.windows.show(QStringLiteral("frmGolfer"));
        click(roster, QStringLiteral("cmdHandicap"));
        QCOMPARE(book.program.messages.shown.size(), 1);
        QCOMPARE(book.program.messages.shown[0].text, QStringLiteral("Please choose a golfer from the list first."));
        QVERIFY(roster->isVisible());

        child<QComboBox>(roster, QStringLiteral("cboAddGolfer"))->setCurrentIndex(1);
        click(roster, QStringLiteral("cmdHandicap"));
        FormWindow *window = book.program.windows.loaded(QStringLiteral("frmHandicap"));
        QVERIFY(window->isVisible() && !roster->isVisible());
        QCOMPARE(child<QComboBox>(window, QStringLiteral("cboPlayer"))->currentText(), QStringLiteral("Bob"));
        QCOMPARE(text(window, QStringLiteral("lblIndex")), QStringLiteral("7.0"));
    }
};

QTEST_MAIN(HandicapWindowTest)
#include "tst_handicap_window.moc"
