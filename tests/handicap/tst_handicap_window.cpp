#include "handicap/frm_handicap.h"
#include "tests/support/handicap_data.h"
#include "tests/support/test_program.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QTableWidget>
#include <QtTest>

using namespace handicap_data;

namespace {

const QString Course = QStringLiteral("Pine Hills");

// The program with a rated course and the rounds of a few golfers.
struct Book
{
    TestProgram program;
    FormWindow *main = nullptr;

    Book()
    {
        program.addCourse(sampleCourse(Course, {}));
        program.addCourse(sampleCourse(QStringLiteral("Nine Acres"), {}, false));
        rate(program, Course, QStringLiteral("white"), QStringLiteral("72.0"), 113);
        for (const QString &golfer : {QStringLiteral("Ann"), QStringLiteral("Bob"), QStringLiteral("Cy")}) {
            program.addGolfer(golfer);
        }
    }

    FormWindow *openFromMenu()
    {
        if (!main) {
            main = program.startUp();
        }
        main->show();
        QTest::mouseClick(main->findChild<QAbstractButton *>(QStringLiteral("cmdHandicap")), Qt::LeftButton);
        auto *window = program.windows.loaded(QStringLiteral("frmHandicap"));
        return window && window->isVisible() ? window : nullptr;
    }
};

QString text(QWidget *window, const char *name)
{
    return window->findChild<QLabel *>(QString::fromLatin1(name))->text();
}

QTableWidget *table(QWidget *window, const char *name)
{
    return window->findChild<QTableWidget *>(QString::fromLatin1(name));
}

QStringList row(QTableWidget *table, int row)
{
    QStringList texts;
    for (int column = 0; column < table->columnCount(); ++column) {
        texts.append(table->item(row, column)->text());
    }
    return texts;
}

void chooseGolfer(QWidget *window, int index)
{
    auto *list = window->findChild<QComboBox *>(QStringLiteral("cboPlayer"));
    list->setCurrentIndex(index);
    Q_EMIT list->activated(index);
}

} // namespace

// The handicap window: opened from the menu or the roster, the index and its working as the golfer sees them.
class HandicapWindowTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void opensFromTheMenuAfterTheSixButtons()
    {
        Book book;
        FormWindow *main = book.main = book.program.startUp();
        const QList<QAbstractButton *> buttons = main->findChildren<QAbstractButton *>();
        QStringList names;
        for (QAbstractButton *button : buttons) {
            if (button->inherits("QToolButton")) {
                names.append(button->objectName());
            }
        }
        const auto handicap = names.indexOf(QStringLiteral("cmdHandicap"));
        for (const char *specified : {"cmdGolferInfo", "cmdCourseInfo", "cmdRoundInfo", "cmdStatInfo", "cmdAbout", "cmdExit"}) {
            QVERIFY2(names.indexOf(QLatin1String(specified)) >= 0 && names.indexOf(QLatin1String(specified)) < handicap,
                     specified);
        }
        auto *button = main->findChild<QAbstractButton *>(QStringLiteral("cmdHandicap"));
        QCOMPARE(button->text(), QStringLiteral("&Handicap"));
        QVERIFY(!button->icon().isNull());

        FormWindow *window = book.openFromMenu();
        QVERIFY(window);
        QVERIFY(!main->isVisible());
        QCOMPARE(window->windowTitle(), QStringLiteral("Handicap Index"));
        QTRY_COMPARE(QApplication::focusWidget(), window->findChild<QWidget *>(QStringLiteral("cboPlayer")));
        QCOMPARE(text(window, "lblIndexNote"), QStringLiteral("Choose a golfer to see the index."));

        QTest::mouseClick(window->findChild<QAbstractButton *>(QStringLiteral("cmdMainMenu")), Qt::LeftButton);
        QVERIFY(!window->isVisible());
        QVERIFY(main->isVisible());
    }

    void noIndexSaysHowManyRoundsAreMissing()
    {
        Book book;
        addDetailedRound(book.program, "Ann", Course, 80, {2026, 5, 1});
        FormWindow *window = book.openFromMenu();
        chooseGolfer(window, 0);
        QCOMPARE(text(window, "lblIndex"), QStringLiteral("none"));
        QCOMPARE(text(window, "lblIndexNote"),
                 QStringLiteral("3 rounds of 18 holes from rated tees are needed; 1 so far"));
        QCOMPARE(table(window, "grdCounted")->rowCount(), 1);
        QVERIFY(book.program.messages.shown.isEmpty());
    }

    void everyFigureOfTheCountedRoundsAndTheReasonsOfTheOthers()
    {
        Book book;
        addDetailedRound(book.program, "Bob", Course, 80, {2026, 5, 1});
        addDetailedRound(book.program, "Bob", Course, 82, {2026, 5, 8}, "white", 1);
        addDetailedRound(book.program, "Bob", Course, 84, {2026, 5, 15});
        addDetailedRound(book.program, "Bob", Course, 75, {2026, 5, 2}, "red"); // no rating of the red tee
        addDetailedRound(book.program, "Bob", "Nine Acres", 72, {2026, 5, 3});
        book.program.addRound(roundOf("Bob", Course, 90, "long ago")); // saved before rounds had details
        FormWindow *window = book.openFromMenu();
        chooseGolfer(window, 1);

        // Differentials 8.0, 9.0 (82 - 72 - PCC 1) and 12.0: the lowest less 2.0.
        QCOMPARE(text(window, "lblIndex"), QStringLiteral("6.0"));
        QCOMPARE(text(window, "lblIndexNote"), QString());
        QCOMPARE(text(window, "lblLowIndex"), QStringLiteral("none before the 20th counted round"));
        QTableWidget *counted = table(window, "grdCounted");
        QCOMPARE(counted->rowCount(), 3);
        QCOMPARE(row(counted, 0),
                 (QStringList {"2026-05-01", "Pine Hills", "White", "80", "80", "72.0", "113", "0", "none", "8.0",
                               "used", "none"}));
        QCOMPARE(row(counted, 1).mid(7, 5), (QStringList {"1", "none", "9.0", "", "none"}));
        QCOMPARE(row(counted, 2).at(11), QStringLiteral("6.0"));
        QCOMPARE(counted->item(0, 9)->data(Qt::AccessibleTextRole).toString(), QStringLiteral("Differential 8.0"));

        QTableWidget *others = table(window, "grdNotCounted");
        QCOMPARE(others->rowCount(), 3);
        QCOMPARE(row(others, 0), (QStringList {"2026-05-02", "Pine Hills", "Red", "75", "no tee rating"}));
        QCOMPARE(row(others, 1), (QStringList {"2026-05-03", "Nine Acres", "White", "72", "nine holes"}));
        QCOMPARE(row(others, 2).last(), QStringLiteral("no date"));
    }

    void aPlusIndexIsShownWithItsSign()
    {
        Book book;
        for (int day = 1; day <= 3; ++day) {
            addDetailedRound(book.program, "Cy", Course, 72, {2026, 5, day});
        }
        FormWindow *window = book.openFromMenu();
        chooseGolfer(window, 2);
        QCOMPARE(text(window, "lblIndex"), QStringLiteral("+2.0"));
    }

    void showingItAgainReadsTheRoundsSavedMeanwhile()
    {
        Book book;
        addDetailedRound(book.program, "Cy", Course, 80, {2026, 5, 1});
        FormWindow *window = book.openFromMenu();
        chooseGolfer(window, 2);
        QCOMPARE(table(window, "grdCounted")->rowCount(), 1);
        QTest::mouseClick(window->findChild<QAbstractButton *>(QStringLiteral("cmdMainMenu")), Qt::LeftButton);
        addDetailedRound(book.program, "Cy", Course, 81, {2026, 5, 2});
        addDetailedRound(book.program, "Cy", Course, 82, {2026, 5, 3});
        QCOMPARE(book.openFromMenu(), window);
        QCOMPARE(table(window, "grdCounted")->rowCount(), 3);
        QCOMPARE(text(window, "lblIndex"), QStringLiteral("6.0"));
    }

    void theRosterOpensItForTheChosenGolfer()
    {
        Book book;
        for (int day = 1; day <= 3; ++day) {
            addDetailedRound(book.program, "Bob", Course, 80 + day, {2026, 5, day});
        }
        book.program.startUp();
        FormWindow *roster = book.program.windows.show(QStringLiteral("frmGolfer"));
        auto *names = roster->findChild<QComboBox *>(QStringLiteral("cboAddGolfer"));
        names->setCurrentIndex(1);
        QTest::mouseClick(roster->findChild<QAbstractButton *>(QStringLiteral("cmdHandicap")), Qt::LeftButton);

        FormWindow *window = book.program.windows.loaded(QStringLiteral("frmHandicap"));
        QVERIFY(window->isVisible());
        QVERIFY(!roster->isVisible());
        QCOMPARE(window->findChild<QComboBox *>(QStringLiteral("cboPlayer"))->currentText(), QStringLiteral("Bob"));
        QCOMPARE(text(window, "lblIndex"), QStringLiteral("7.0"));
    }

    void theRosterWantsAListedGolfer()
    {
        Book book;
        book.program.startUp();
        FormWindow *roster = book.program.windows.show(QStringLiteral("frmGolfer"));
        QTest::mouseClick(roster->findChild<QAbstractButton *>(QStringLiteral("cmdHandicap")), Qt::LeftButton);
        QCOMPARE(book.program.messages.shown.size(), 1);
        QCOMPARE(book.program.messages.shown[0].text, QStringLiteral("Please choose a golfer from the list first."));
        QVERIFY(roster->isVisible());
    }

    void keyboardReachesEveryPartAndEveryValueHasAName()
    {
        Book book;
        FormWindow *window = book.openFromMenu();
        QTRY_COMPARE(QApplication::focusWidget(), window->findChild<QWidget *>(QStringLiteral("cboPlayer")));
        QStringList visited;
        for (int step = 0; step < 4; ++step) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited.append(QApplication::focusWidget()->objectName());
        }
        QCOMPARE(visited, (QStringList {"grdCounted", "grdNotCounted", "cmdMainMenu", "cmdHelp"}));
        // Values are read by their text and say what they are in their description.
        for (const char *value : {"lblIndex", "lblIndexNote", "lblLowIndex"}) {
            QVERIFY2(!window->findChild<QWidget *>(QString::fromLatin1(value))->accessibleDescription().isEmpty(),
                     value);
        }
        for (const char *table : {"grdCounted", "grdNotCounted"}) {
            QVERIFY2(!window->findChild<QWidget *>(QString::fromLatin1(table))->accessibleName().isEmpty(), table);
        }
    }
};

QTEST_MAIN(HandicapWindowTest)
#include "tst_handicap_window.moc"
