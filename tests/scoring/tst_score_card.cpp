#include "core/scorebook/datgolf.h"
#include "scoring/frm_scoreround.h"
#include "tests/support/handicap_data.h"
#include "tests/support/test_program.h"
#include "tests/support/x11_keys.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QtTest>

#include <SQLiteCpp/Database.h>

namespace {

const QList<int> Pars18 = {4, 4, 3, 5, 4, 4, 3, 5, 4, 4, 3, 4, 5, 4, 4, 3, 5, 4}; // out 36, in 36

// The score card driven as a golfer drives it.
struct Card
{
    TestProgram program;
    frmScoreround *window = nullptr;

    explicit Card(const QStringList &golfers = {QStringLiteral("Ann")})
    {
        program.addCourse(sampleCourse(QStringLiteral("Pine Hills"), Pars18));
        program.addCourse(sampleCourse(QStringLiteral("Nine Acres"), {3, 4, 5, 4, 3, 4, 5, 4, 3}, false));
        for (const QString &golfer : golfers) {
            program.addGolfer(golfer);
        }
        program.startUp();
        window = static_cast<frmScoreround *>(program.windows.show(QStringLiteral("frmScoreround")));
        if (!QTest::qWaitForWindowActive(window)) {
            qFatal("the score card did not become active");
        }
    }

    template<typename Control = QWidget> Control *find(const QString &name) const
    {
        auto *control = window->findChild<Control *>(name);
        if (!control) {
            qFatal("no control %s", qPrintable(name));
        }
        return control;
    }
    QLineEdit *box(const char *row, int i) const
    {
        return find<QLineEdit>(QStringLiteral("%1_%2").arg(QLatin1String(row)).arg(i));
    }
    QString cell(const QString &name) const { return find<QLabel>(name)->text(); }

    void choose(const char *list, int index)
    {
        auto *combo = find<QComboBox>(QString::fromLatin1(list));
        combo->setCurrentIndex(index);
        Q_EMIT combo->activated(index);
    }
    void press(const char *button)
    {
        QTest::mouseClick(find<QPushButton>(QString::fromLatin1(button)), Qt::LeftButton);
    }

    // Types into the box that has the focus, then Enter, as on the keyboard.
    void typeAndEnter(const QString &keys)
    {
        QWidget *focused = QApplication::focusWidget();
        QVERIFY(focused);
        QTest::keyClicks(focused, keys);
        QTest::keyClick(focused, Qt::Key_Return);
    }
    void typeNine(const QList<int> &strokes, const QList<int> &putts)
    {
        QTRY_COMPARE(QApplication::focusWidget(), box("txth1", 0));
        for (int value : strokes) {
            typeAndEnter(QString::number(value));
        }
        for (int value : putts) {
            typeAndEnter(QString::number(value));
        }
    }

    QHash<QString, QString> lastRound() const
    {
        auto rounds = program.open(QStringLiteral("rounds"));
        rounds->moveLast();
        QHash<QString, QString> fields;
        for (const QString &name : rounds->fieldNames()) {
            fields.insert(name, rounds->field(name));
        }
        return fields;
    }
    int roundCount() const { return program.open(QStringLiteral("rounds"))->recordCount(); }
};

QString holeField(const char *prefix, int hole)
{
    return QLatin1String(prefix) + QString::number(hole);
}

} // namespace

class ScoreCardTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void fullRoundEnteredFrontFirstSavedFromTheBack()
    {
        Card card;
        card.program.messages.answers = {MessageAnswer::Yes};
        card.choose("cboCourse", 0);
        QCOMPARE(QApplication::focusWidget(), card.find<QWidget>(QStringLiteral("cboPlayer")));
        card.choose("cboPlayer", 0);
        QCOMPARE(card.find<QLineEdit>(QStringLiteral("txtName"))->text(), QStringLiteral("Ann"));

        const QList<int> front = {4, 5, 4, 3, 5, 4, 4, 3, 5};
        const QList<int> frontPutts = {2, 2, 1, 2, 3, 2, 2, 1, 2};
        card.typeNine(front, frontPutts);
        QCOMPARE(QApplication::focusWidget(), card.find<QWidget>(QStringLiteral("cmdSave")));
        QCOMPARE(card.roundCount(), 0);
        QCOMPARE(card.cell("lbl9tot"), QStringLiteral("37"));
        QCOMPARE(card.cell("lblputts9"), QStringLiteral("17"));

        card.press("cmdNine");
        QCOMPARE(card.cell("lblHole1"), QStringLiteral("10"));
        QCOMPARE(card.cell("lblInOut"), QStringLiteral("IN"));
        QCOMPARE(card.cell("lbl9tot"), QStringLiteral("0"));
        QCOMPARE(card.cell("lbl18tot"), QStringLiteral("37"));
        card.box("txth1", 0)->setFocus();
        const QList<int> back = {4, 4, 4, 4, 4, 4, 4, 4, 4};
        const QList<int> backPutts = {2, 2, 2, 2, 2, 2, 2, 2, 2};
        card.typeNine(back, backPutts);
        QCOMPARE(card.cell("lbl9tot"), QStringLiteral("36"));
        QCOMPARE(card.cell("lbl18tot"), QStringLiteral("73"));
        QCOMPARE(card.cell("lblputts18"), QStringLiteral("35"));

        card.find<QLineEdit>(QStringLiteral("txtDate"))->setText(QStringLiteral("5/30/2026"));
        card.press("cmdSave");
        QCOMPARE(card.program.messages.titles(), QStringList {"Saving Round"});
        QCOMPARE(card.roundCount(), 1);

        const auto round = card.lastRound();
        QCOMPARE(round["golfer_name"], QStringLiteral("Ann"));
        QCOMPARE(round["course_name"], QStringLiteral("Pine Hills"));
        QCOMPARE(round["date"], QStringLiteral("5/30/2026"));
        for (int hole = 1; hole <= 18; ++hole) {
            const int i = (hole - 1) % 9;
            QCOMPARE(round[holeField("h", hole)], QString::number(hole <= 9 ? front[i] : back[i]));
            QCOMPARE(round[holeField("p", hole)], QString::number(Pars18[hole - 1]));
            QCOMPARE(round[holeField("put", hole)], QString::number(hole <= 9 ? frontPutts[i] : backPutts[i]));
        }
        const QHash<QString, QString> totals
            = {{"f9", "37"},   {"b9", "36"},    {"total", "73"}, {"pf9", "36"},   {"pb9", "36"},
               {"ptot", "72"}, {"putf9", "17"}, {"putb9", "18"}, {"puttot", "35"}};
        for (auto total = totals.cbegin(); total != totals.cend(); ++total) {
            QCOMPARE(round[total.key()], total.value());
        }
        // Reset after the save: an empty card, the same nine still shown.
        QCOMPARE(card.cell("lbl18tot"), QStringLiteral("0"));
        QCOMPARE(card.find<QComboBox>(QStringLiteral("cboCourse"))->currentText(), QStringLiteral("Select Course"));
        QCOMPARE(card.cell("lblHole1"), QStringLiteral("10"));
        QCOMPARE(card.program.context.state.round_record, QStringList(67, QStringLiteral("0")));
    }

    void keyboardAlone()
    {
        Card card;
        card.program.messages.answers = {MessageAnswer::Yes};
        card.find<QWidget>(QStringLiteral("cboCourse"))->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QCOMPARE(QApplication::focusWidget(), card.find<QWidget>(QStringLiteral("cboPlayer")));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QCOMPARE(card.find<QLineEdit>(QStringLiteral("txtName"))->text(), QStringLiteral("Ann"));
        card.typeNine({4, 4, 4, 4, 4, 4, 4, 4, 4}, {2, 2, 2, 2, 2, 2, 2, 2, 2});
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QCOMPARE(card.lastRound()["course_name"], QStringLiteral("Pine Hills"));
        QCOMPARE(card.lastRound()["puttot"], QStringLiteral("18"));
    }

    void nineHoleRoundAndTwoRoundsInARow()
    {
        Card card;
        card.program.messages.answers = {MessageAnswer::Yes, MessageAnswer::Yes};
        card.choose("cboCourse", 0);
        card.choose("cboPlayer", 0);
        card.typeNine({6, 6, 6, 6, 6, 6, 6, 6, 6}, {});
        card.press("cmdNine");
        card.box("txth1", 0)->setFocus();
        card.typeNine({7, 7, 7, 7, 7, 7, 7, 7, 7}, {});
        card.press("cmdSave");
        card.press("cmdNine"); // back to the front nine for the next round

        card.choose("cboCourse", 1);
        QVERIFY(!card.find<QPushButton>(QStringLiteral("cmdNine"))->isEnabled());
        card.choose("cboPlayer", 0);
        card.typeNine({3, 4, 5, 4, 3, 4, 5, 4, 3}, {1, 2, 2, 2, 1, 2, 2, 2, 1});
        card.press("cmdSave");
        QCOMPARE(card.roundCount(), 2);

        const auto round = card.lastRound();
        QCOMPARE(round["course_name"], QStringLiteral("Nine Acres"));
        QCOMPARE(round["f9"], QStringLiteral("35"));
        QCOMPARE(round["total"], QStringLiteral("35"));
        QCOMPARE(round["ptot"], QStringLiteral("35"));
        for (int hole = 10; hole <= 18; ++hole) {
            QCOMPARE(round[holeField("h", hole)], QStringLiteral("0"));
            QCOMPARE(round[holeField("p", hole)], QStringLiteral("0"));
            QCOMPARE(round[holeField("put", hole)], QStringLiteral("0"));
        }
        QCOMPARE(round["b9"], QStringLiteral("0"));
        QCOMPARE(round["putb9"], QStringLiteral("0"));
    }

    // Each key with the text X11 gives it, typed between the 5 and the 6 of "56".
    void keys_data()
    {
        QTest::addColumn<QChar>("key");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<int>("beeps");
        QTest::newRow("digit") << QChar('7') << "576" << 0;
        QTest::newRow("backspace") << QChar('\b') << "6" << 0;
        QTest::newRow("delete") << QChar(0x7f) << "5" << 0;
        QTest::newRow("letter") << QChar('a') << "56" << 1;
        QTest::newRow("space") << QChar(' ') << "56" << 1;
        QTest::newRow("minus") << QChar('-') << "56" << 1;
        QTest::newRow("escape") << QChar(0x1b) << "56" << 1;
    }
    void keys()
    {
        QFETCH(QChar, key);
        QFETCH(QString, expected);
        QFETCH(int, beeps);
        Card card;
        QLineEdit *box = card.box("txth1", 3);
        box->setText(QStringLiteral("56"));
        box->setFocus();
        box->deselect();
        box->setCursorPosition(1);
        x11_keys::press(box, key);
        QCOMPARE(box->text(), expected);
        QCOMPARE(card.program.beeper.beeps, beeps);
    }

    void keysTypedInBurstsAllReachTheirBoxes()
    {
        Card card;
        card.box("txth1", 0)->setFocus();
        x11_keys::burst(card.window, QStringLiteral("412\r36"));
        QCoreApplication::processEvents();
        x11_keys::burst(card.window, QStringLiteral("6\r5"));
        QCoreApplication::processEvents();
        QCOMPARE(card.box("txth1", 2)->text(), QStringLiteral("5"));
        QCOMPARE(card.box("txth1", 0)->text(), QStringLiteral("412"));
        QCOMPARE(card.box("txth1", 1)->text(), QStringLiteral("366"));
    }

    void nineSwitchIsAnnouncedByItsCaption()
    {
        Card card;
        card.choose("cboCourse", 0);
        auto *nine = card.find<QPushButton>(QStringLiteral("cmdNine"));
        card.press("cmdNine");
        QCOMPARE(nine->text(), QStringLiteral("&Front Nine"));
        QCOMPARE(nine->accessibleName(), QStringLiteral("Front Nine"));
        card.press("cmdNine");
        QCOMPARE(nine->accessibleName(), QStringLiteral("Back Nine"));
    }

    void focusSelectsTheWholeBox()
    {
        Card card;
        card.box("txth1", 0)->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QLineEdit *second = card.box("txth1", 1);
        QTRY_VERIFY(second->hasSelectedText());
        QTest::keyClicks(second, QStringLiteral("6"));
        QCOMPARE(second->text(), QStringLiteral("6"));
    }

    void switchingNinesKeepsWhatWasTyped()
    {
        Card card;
        card.choose("cboCourse", 0);
        card.box("txth1", 0)->setText(QStringLiteral("05"));
        card.box("putts", 8)->setText(QString());
        card.press("cmdNine");
        QCOMPARE(card.box("txth1", 0)->text(), QStringLiteral("0"));
        card.press("cmdNine");
        QCOMPARE(card.box("txth1", 0)->text(), QStringLiteral("05"));
        QCOMPARE(card.box("putts", 8)->text(), QString());
        QCOMPARE(card.cell("lblHole1"), QStringLiteral("1"));
        QCOMPARE(card.cell("lblInOut"), QStringLiteral("OUT"));
        QCOMPARE(card.cell("lbl9tot"), QStringLiteral("5"));
    }

    void totalsCountByTheLeadingNumberAndNeverWrap_data()
    {
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("nineTotal");
        QTest::newRow("digit then letter") << "5x"
                                           << "5";
        QTest::newRow("letter then digit") << "x5"
                                           << "0";
        QTest::newRow("blank inside") << "1 2"
                                      << "12";
    }
    void totalsCountByTheLeadingNumberAndNeverWrap()
    {
        QFETCH(QString, pasted);
        QFETCH(QString, nineTotal);
        Card card;
        card.box("txth1", 2)->setText(pasted);
        QCOMPARE(card.cell("lbl9tot"), nineTotal);
        QCOMPARE(card.cell("lbl18tot"), nineTotal);
    }

    void bigNumbersInEveryBoxAddUpExactly()
    {
        Card card;
        for (int i = 0; i < 9; ++i) {
            QLineEdit *box = card.box("txth1", i);
            box->setFocus();
            box->selectAll();
            QTest::keyClicks(box, QStringLiteral("99999999999")); // two digits more than a box takes
        }
        QCOMPARE(card.box("txth1", 0)->text(), QStringLiteral("999999999"));
        QCOMPARE(card.cell("lbl9tot"), QStringLiteral("8999999991"));
    }

    void saveChecks_data()
    {
        QTest::addColumn<bool>("course");
        QTest::addColumn<bool>("golfer");
        QTest::addColumn<bool>("score");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("text");
        QTest::newRow("no course") << false << true << true << " ERROR - No Course Selected"
                                   << "You must select a Course";
        QTest::newRow("no golfer") << true << false << true << " ERROR - No Golfer Selected"
                                   << "You must select a Golfer";
        QTest::newRow("no score") << true << true << false << " ERROR - No Score Entered"
                                  << "You must enter a score to save";
    }
    void saveChecks()
    {
        QFETCH(bool, course);
        QFETCH(bool, golfer);
        QFETCH(bool, score);
        QFETCH(QString, title);
        QFETCH(QString, text);
        Card card;
        if (course) {
            card.choose("cboCourse", 0);
        }
        if (golfer) {
            card.choose("cboPlayer", 0);
        }
        if (score) {
            card.box("putts", 0)->setText(QStringLiteral("2"));
            card.box("txth1", 0)->setText(QStringLiteral("4"));
        }
        card.press("cmdSave");
        QCOMPARE(card.program.messages.shown.size(), 1);
        QCOMPARE(card.program.messages.shown[0].title, title);
        QCOMPARE(card.program.messages.shown[0].text, text);
        QCOMPARE(card.roundCount(), 0);
        QCOMPARE(card.box("txth1", 0)->text(), score ? QStringLiteral("4") : QStringLiteral("0"));
    }

    void typedNamesNotInTheListsAreNeverSaved_data()
    {
        QTest::addColumn<QString>("course");
        QTest::addColumn<QString>("golfer");
        QTest::addColumn<QString>("title");
        QTest::newRow("course typed") << "Oak Glen"
                                      << ""
                                      << " ERROR - No Course Selected";
        QTest::newRow("golfer typed") << ""
                                      << "Anne"
                                      << " ERROR - No Golfer Selected";
        QTest::newRow("chosen course typed over") << "Pine"
                                                  << ""
                                                  << " ERROR - No Course Selected";
    }
    void typedNamesNotInTheListsAreNeverSaved()
    {
        QFETCH(QString, course);
        QFETCH(QString, golfer);
        QFETCH(QString, title);
        Card card;
        card.choose("cboCourse", 0);
        card.choose("cboPlayer", 0);
        card.box("txth1", 0)->setText(QStringLiteral("4"));
        for (const auto &[list, typed] : {std::pair {"cboCourse", course}, std::pair {"cboPlayer", golfer}}) {
            if (!typed.isEmpty()) {
                auto *box = card.find<QComboBox>(QString::fromLatin1(list));
                box->clearEditText();
                QTest::keyClicks(box->lineEdit(), typed);
            }
        }
        card.program.messages.answers = {MessageAnswer::Yes};
        card.press("cmdSave");
        QCOMPARE(card.program.messages.titles(), QStringList {title});
        QCOMPARE(card.roundCount(), 0);
    }

    void totalsNeverOutliveTheRound()
    {
        Card card;
        card.program.messages.answers = {MessageAnswer::Yes};
        card.choose("cboCourse", 0);
        card.choose("cboPlayer", 0);
        card.typeNine({4, 5, 4, 3, 5, 4, 4, 3, 5}, {2, 2, 2, 2, 2, 2, 2, 2, 2});
        card.press("cmdNine");
        card.press("cmdSave"); // saved from a back nine left at 0
        QCOMPARE(card.roundCount(), 1);
        for (const char *total : {"lbl9tot", "lbl18tot", "lblputts9", "lblputts18"}) {
            QCOMPARE(card.cell(QString::fromLatin1(total)), QStringLiteral("0"));
        }

        card.press("cmdNine");
        card.choose("cboCourse", 0);
        card.box("txth1", 0)->setText(QStringLiteral("6"));
        card.press("cmdNine");
        card.press("cmdExit");
        card.program.windows.show(QStringLiteral("frmScoreround"));
        QCOMPARE(card.cell("lbl18tot"), QStringLiteral("0"));
        card.choose("cboCourse", 0);
        QCOMPARE(card.cell("lbl18tot"), QStringLiteral("0"));
        card.choose("cboPlayer", 0);
        card.program.messages.shown.clear();
        card.press("cmdSave");
        QCOMPARE(card.program.messages.titles(), QStringList {" ERROR - No Score Entered"});
        QCOMPARE(card.roundCount(), 1);
    }

    void busyScorebookAsksAndCancelKeepsTheCard()
    {
        Card card;
        card.choose("cboCourse", 0);
        card.choose("cboPlayer", 0);
        card.box("txth1", 0)->setText(QStringLiteral("4"));
        {
            SQLite::Database other(card.program.context.databasePath().toStdString(), SQLite::OPEN_READWRITE);
            other.exec("BEGIN EXCLUSIVE");
            card.program.messages.answers = {MessageAnswer::Cancel};
            card.press("cmdSave");
            QCOMPARE(card.program.messages.shown.size(), 2);
            QCOMPARE(card.program.messages.shown[0].buttons, MessageButtons::RetryCancel);
            QCOMPARE(card.program.messages.shown[0].title, QStringLiteral("Scorebook Busy"));
            QVERIFY(card.program.messages.shown[1].text.startsWith(QLatin1String("The round was not saved.")));
            QCOMPARE(card.box("txth1", 0)->text(), QStringLiteral("4"));
            QCOMPARE(card.find<QComboBox>(QStringLiteral("cboPlayer"))->currentText(), QStringLiteral("Ann"));
        }
        card.program.messages.answers = {MessageAnswer::Yes};
        card.press("cmdSave");
        QCOMPARE(card.roundCount(), 1);
    }

    void answeringNoKeepsTheRoundToCorrect()
    {
        Card card;
        card.choose("cboCourse", 0);
        card.choose("cboPlayer", 0);
        card.typeNine({4, 4, 4, 4, 4, 4, 4, 4, 4}, {});
        card.press("cmdNine");
        card.box("txth1", 4)->setText(QStringLiteral("5"));
        const QStringList before = card.program.context.state.round_record;
        card.program.messages.answers = {MessageAnswer::No};
        card.press("cmdSave");
        QCOMPARE(card.roundCount(), 0);
        QCOMPARE(card.program.context.state.round_record, before);
        QCOMPARE(card.box("txth1", 4)->text(), QStringLiteral("5"));
        QCOMPARE(card.cell("lbl18tot"), QStringLiteral("41"));

        card.program.messages.answers = {MessageAnswer::Yes};
        card.press("cmdSave");
        QCOMPARE(card.lastRound()["total"], QStringLiteral("41"));
    }

    void refusedSaveIsToldAndTheCardKept()
    {
        Card card;
        card.choose("cboCourse", 0);
        card.choose("cboPlayer", 0);
        card.box("txth1", 0)->setText(QStringLiteral("4"));
        card.program.changeFromOutside(QStringLiteral("ALTER TABLE rounds RENAME TO rounds_elsewhere"));
        card.program.messages.answers = {MessageAnswer::Yes};
        card.press("cmdSave");
        QCOMPARE(card.program.messages.shown.size(), 1);
        QCOMPARE(card.program.messages.shown[0].icon, MessageIcon::Critical);
        QVERIFY(card.program.messages.shown[0].text.startsWith(QLatin1String("The round was not saved.")));
        QCOMPARE(card.box("txth1", 0)->text(), QStringLiteral("4"));
        QCOMPARE(card.find<QComboBox>(QStringLiteral("cboCourse"))->currentText(), QStringLiteral("Pine Hills"));
    }

    void courseChosenOnTheBackNineShowsItsFrontNine()
    {
        Card card;
        card.choose("cboCourse", 0);
        card.press("cmdNine");
        card.choose("cboCourse", 1);
        QCOMPARE(card.find<QPushButton>(QStringLiteral("cmdNine"))->text(), QStringLiteral("&Back Nine"));
        QCOMPARE(card.cell("lblHole1"), QStringLiteral("1"));
        QCOMPARE(card.cell("lblp1_0"), QStringLiteral("3"));
        // The pars stored for both nines are the new course's.
        const QStringList &record = card.program.context.state.round_record;
        QCOMPARE(record[25], QStringLiteral("3"));
        QCOMPARE(record[35], QStringLiteral("0"));
    }

    void returningFromTheGridKeepsTheRoundButTheMenuStartsAfresh()
    {
        Card card;
        card.choose("cboCourse", 0);
        card.choose("cboPlayer", 0);
        card.box("txth1", 0)->setText(QStringLiteral("4"));
        card.press("cmdViewPR");
        QWidget *grid = card.program.windows.loaded(QStringLiteral("frmViewPR"));
        QVERIFY(grid && grid->isVisible());
        QTest::mouseClick(grid->findChild<QPushButton *>(QStringLiteral("cmdDone")), Qt::LeftButton);
        QCOMPARE(card.box("txth1", 0)->text(), QStringLiteral("4"));
        QCOMPARE(card.program.context.state.round_record[1], QStringLiteral("Pine Hills"));

        card.press("cmdExit");
        QVERIFY(card.program.windows.loaded(QStringLiteral("frmMain"))->isVisible());
        card.program.windows.show(QStringLiteral("frmScoreround"));
        QCOMPARE(card.box("txth1", 0)->text(), QStringLiteral("0"));
        QCOMPARE(card.find<QComboBox>(QStringLiteral("cboPlayer"))->currentText(), QStringLiteral("Select Golfer"));
        QCOMPARE(card.find<QLineEdit>(QStringLiteral("txtDate"))->text(), card.program.clock.date);
    }

    void nameWithAQuoteIsScoredAndDeletedAlone()
    {
        Card card({QStringLiteral("O'Neil"), QStringLiteral("ONeil")});
        card.program.messages.answers = {MessageAnswer::Yes, MessageAnswer::Yes, MessageAnswer::Yes};
        for (int golfer : {0, 1}) {
            card.choose("cboCourse", 0);
            card.choose("cboPlayer", golfer);
            card.box("txth1", 0)->setText(QStringLiteral("5"));
            card.press("cmdSave");
        }
        QCOMPARE(card.roundCount(), 2);

        auto *roster = card.program.windows.show(QStringLiteral("frmGolfer"));
        auto *name = roster->findChild<QComboBox *>(QStringLiteral("cboAddGolfer"));
        name->setCurrentIndex(0);
        QCOMPARE(name->currentText(), QStringLiteral("O'Neil"));
        QTest::mouseClick(roster->findChild<QPushButton *>(QStringLiteral("cmdDeleteGolfer")), Qt::LeftButton);
        QCOMPARE(card.roundCount(), 1);
        QCOMPARE(card.lastRound()["golfer_name"], QStringLiteral("ONeil"));
        auto *players = card.find<QComboBox>(QStringLiteral("cboPlayer"));
        QCOMPARE(players->count(), 1);
        QCOMPARE(players->itemText(0), QStringLiteral("ONeil"));
    }

    void savedRoundKeepsItsTeeDayAndPcc_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::newRow("month/day/year") << "5/30/2026";
        QTest::newRow("two-digit year") << "5/30/26";
        QTest::newRow("iso") << "2026-05-30";
    }
    void savedRoundKeepsItsTeeDayAndPcc()
    {
        QFETCH(QString, typed);
        Card card;
        card.program.messages.answers = {MessageAnswer::Yes};
        auto *tee = card.find<QComboBox>(QStringLiteral("cboTee"));
        auto *pcc = card.find<QSpinBox>(QStringLiteral("txtPcc"));
        QCOMPARE(tee->currentText(), QStringLiteral("White"));
        QCOMPARE(pcc->value(), 0);
        QCOMPARE(pcc->minimum(), -1);
        QCOMPARE(pcc->maximum(), 3);
        card.choose("cboCourse", 0);
        card.choose("cboPlayer", 0);
        card.box("txth1", 0)->setText(QStringLiteral("5"));
        tee->setCurrentIndex(tee->findText(QStringLiteral("Blue")));
        pcc->setValue(2);
        card.find<QLineEdit>(QStringLiteral("txtDate"))->setText(typed);
        card.press("cmdSave");

        QCOMPARE(card.program.messages.titles(), QStringList {"Saving Round"});
        const auto round = card.lastRound();
        QCOMPARE(round["date"], typed);
        SQLite::Database book(card.program.context.databasePath().toStdString());
        SQLite::Statement details(book, "SELECT record_no, tee, played_on, pcc FROM round_details");
        QVERIFY(details.executeStep());
        QCOMPARE(QString::number(details.getColumn(0).getInt64()), round["record_no"]);
        QCOMPARE(QString::fromStdString(details.getColumn(1).getString()), QStringLiteral("blue"));
        QCOMPARE(QString::fromStdString(details.getColumn(2).getString()), QStringLiteral("2026-05-30"));
        QCOMPARE(details.getColumn(3).getInt(), 2);
        QVERIFY(!details.executeStep());
        // The next round starts from the white tee and no playing conditions again.
        QCOMPARE(tee->currentText(), QStringLiteral("White"));
        QCOMPARE(pcc->value(), 0);
    }

    void dateThatIsNoDayIsRefusedBeforeTheQuestion_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::newRow("no such day") << "2/30/26";
        QTest::newRow("words") << "Saturday";
        QTest::newRow("empty") << "";
        QTest::newRow("day first") << "30/5/2026";
    }
    void dateThatIsNoDayIsRefusedBeforeTheQuestion()
    {
        QFETCH(QString, typed);
        Card card;
        card.program.messages.answers = {MessageAnswer::Yes};
        card.choose("cboCourse", 0);
        card.choose("cboPlayer", 0);
        card.box("txth1", 0)->setText(QStringLiteral("5"));
        auto *date = card.find<QLineEdit>(QStringLiteral("txtDate"));
        date->setText(typed);
        card.press("cmdSave");
        QCOMPARE(card.program.messages.titles(), QStringList {" ERROR - Date Not Valid"});
        QCOMPARE(card.program.messages.shown[0].text,
                 QStringLiteral("The date must be a real date, such as 6/12/26 or 2026-06-12"));
        QCOMPARE(card.roundCount(), 0);
        QCOMPARE(card.box("txth1", 0)->text(), QStringLiteral("5"));
        QCOMPARE(date->text(), typed);
    }

    void missingCourseIsToldBeforeABadDate()
    {
        Card card;
        card.find<QLineEdit>(QStringLiteral("txtDate"))->setText(QStringLiteral("Saturday"));
        card.press("cmdSave");
        QCOMPARE(card.program.messages.titles(), QStringList {" ERROR - No Course Selected"});
    }

    void courseHandicapIsShownForARatedTee()
    {
        using namespace handicap_data;
        Card card({QStringLiteral("Ann"), QStringLiteral("Bob")});
        rate(card.program, QStringLiteral("Pine Hills"), QStringLiteral("white"), QStringLiteral("72.0"), 113);
        rate(card.program, QStringLiteral("Pine Hills"), QStringLiteral("blue"), QStringLiteral("74.0"), 130);
        for (int day = 1; day <= 3; ++day) {
            addDetailedRound(card.program, "Ann", "Pine Hills", 79 + day, {2026, 5, day}); // index 6.0
        }
        auto *shown = card.find<QLabel>(QStringLiteral("lblCourseHandicap"));
        auto *tee = card.find<QComboBox>(QStringLiteral("cboTee"));
        card.choose("cboCourse", 0);
        card.choose("cboPlayer", 0);
        QCOMPARE(shown->text(), QStringLiteral("Course handicap: 6"));
        tee->setCurrentIndex(tee->findText(QStringLiteral("Blue"))); // 6.0 x 130 / 113 + 2.0 = 8.9
        QCOMPARE(shown->text(), QStringLiteral("Course handicap: 9"));
        tee->setCurrentIndex(tee->findText(QStringLiteral("Red"))); // not rated
        QCOMPARE(shown->text(), QString());
        tee->setCurrentIndex(tee->findText(QStringLiteral("White")));
        card.choose("cboPlayer", 1); // no index yet
        QCOMPARE(shown->text(), QString());
        card.choose("cboPlayer", 0);
        card.choose("cboCourse", 1); // nine holes
        QCOMPARE(shown->text(), QString());
        QVERIFY(card.program.messages.shown.isEmpty());
    }
};

QTEST_MAIN(ScoreCardTest)
#include "tst_score_card.moc"
