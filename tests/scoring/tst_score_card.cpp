#include "core/scorebook/datgolf.h"
#include "scoring/frm_scoreround.h"
#include "tests/support/driving.h"
#include "tests/support/handicap_data.h"
#include "tests/support/test_program.h"
#include "tests/support/x11_keys.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QtTest>

#include <SQLiteCpp/Database.h>

using namespace driving;

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

    QLineEdit *box(const char *row, int i) const
    {
        return child<QLineEdit>(window, QStringLiteral("%1_%2").arg(QLatin1String(row)).arg(i));
    }
    QString cell(const char *name) const { return text(window, QString::fromLatin1(name)); }
    QString listed(const char *list) const { return child<QComboBox>(window, QLatin1String(list))->currentText(); }
    void choose(const char *list, int index) { driving::choose(window, QString::fromLatin1(list), index); }
    void press(const char *button) { click(window, QString::fromLatin1(button)); }
    // Course, golfer and a score on the first hole.
    void fillIn(const QString &strokes = QStringLiteral("4"))
    {
        choose("cboCourse", 0);
        choose("cboPlayer", 0);
        box("txth1", 0)->setText(strokes);
    }

    // Types each value into the box that has the focus, then Enter, as on the keyboard.
    void typeNine(const QList<int> &strokes, const QList<int> &putts)
    {
        QTRY_COMPARE(QApplication::focusWidget(), box("txth1", 0));
        for (int value : strokes + putts) {
            QTest::keyClicks(QApplication::focusWidget(), QString::number(value));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
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

} // namespace

class ScoreCardTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void fullRoundByKeyboardFrontFirstSavedFromTheBack()
    {
        Card card;
        card.program.messages.answers = {MessageAnswer::Yes};
        card.box("txth1", 0)->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTRY_VERIFY(card.box("txth1", 1)->hasSelectedText()); // a box is taken whole on entry
        child(card.window, QStringLiteral("cboCourse"))->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QCOMPARE(QApplication::focusWidget(), child(card.window, QStringLiteral("cboPlayer")));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QCOMPARE(card.cell("txtName"), QStringLiteral("Ann"));

        const QList<int> front = {4, 5, 4, 3, 5, 4, 4, 3, 5}, frontPutts = {2, 2, 1, 2, 3, 2, 2, 1, 2};
        card.typeNine(front, frontPutts);
        QCOMPARE(QApplication::focusWidget(), child(card.window, QStringLiteral("cmdSave")));
        QCOMPARE(card.cell("lbl9tot"), QStringLiteral("37"));

        card.press("cmdNine");
        QCOMPARE(card.cell("lblHole1"), QStringLiteral("10"));
        QCOMPARE(card.cell("lblInOut"), QStringLiteral("IN"));
        card.box("txth1", 0)->setFocus();
        const QList<int> back = {4, 4, 4, 4, 4, 4, 4, 4, 4}, backPutts = {2, 2, 2, 2, 2, 2, 2, 2, 2};
        card.typeNine(back, backPutts);
        QCOMPARE(card.cell("lbl18tot"), QStringLiteral("73"));

        child<QLineEdit>(card.window, QStringLiteral("txtDate"))->setText(QStringLiteral("5/30/2026"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space); // on Save after the last putt
        QCOMPARE(card.program.messages.titles(), QStringList {"Saving Round"});
        QCOMPARE(card.roundCount(), 1);
        const auto round = card.lastRound();
        QCOMPARE(round["golfer_name"], QStringLiteral("Ann"));
        QCOMPARE(round["course_name"], QStringLiteral("Pine Hills"));
        QCOMPARE(round["date"], QStringLiteral("5/30/2026"));
        for (int hole = 1; hole <= 18; ++hole) {
            const int i = (hole - 1) % 9;
            QCOMPARE(round[QStringLiteral("h%1").arg(hole)], QString::number(hole <= 9 ? front[i] : back[i]));
            QCOMPARE(round[QStringLiteral("p%1").arg(hole)], QString::number(Pars18[hole - 1]));
            QCOMPARE(round[QStringLiteral("put%1").arg(hole)],
                     QString::number(hole <= 9 ? frontPutts[i] : backPutts[i]));
        }
        QCOMPARE(round["total"], QStringLiteral("73"));
        QCOMPARE(round["puttot"], QStringLiteral("35"));
        // Reset after the save: an empty card, the same nine still shown.
        QCOMPARE(card.cell("lbl18tot"), QStringLiteral("0"));
        QCOMPARE(card.listed("cboCourse"), QStringLiteral("Select Course"));
        QCOMPARE(card.cell("lblHole1"), QStringLiteral("10"));
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
        QCOMPARE(card.box("txth1", 0)->text(), QStringLiteral("412"));
        QCOMPARE(card.box("txth1", 1)->text(), QStringLiteral("366"));
        QCOMPARE(card.box("txth1", 2)->text(), QStringLiteral("5"));
    }

    // The nine switch is announced by its caption and keeps what was typed; a nine-hole
    // course chosen on the back nine shows its front, and is saved without a back nine.
    void nineSwitch()
    {
        Card card;
        card.program.messages.answers = {MessageAnswer::Yes};
        card.choose("cboCourse", 0);
        auto *nine = child<QPushButton>(card.window, QStringLiteral("cmdNine"));
        card.box("txth1", 0)->setText(QStringLiteral("05"));
        card.press("cmdNine");
        QCOMPARE(nine->text(), QStringLiteral("&Front Nine"));
        QCOMPARE(nine->accessibleName(), QStringLiteral("Front Nine"));
        QCOMPARE(card.box("txth1", 0)->text(), QStringLiteral("0"));
        card.press("cmdNine");
        QCOMPARE(nine->accessibleName(), QStringLiteral("Back Nine"));
        QCOMPARE(card.box("txth1", 0)->text(), QStringLiteral("05"));
        QCOMPARE(card.cell("lbl9tot"), QStringLiteral("5"));

        card.press("cmdNine");
        card.choose("cboCourse", 1);
        QCOMPARE(nine->text(), QStringLiteral("&Back Nine"));
        QVERIFY(!nine->isEnabled());
        QCOMPARE(card.cell("lblHole1"), QStringLiteral("1"));
        card.choose("cboPlayer", 0);
        card.typeNine({3, 4, 5, 4, 3, 4, 5, 4, 3}, {});
        card.press("cmdSave");
        const auto round = card.lastRound();
        QCOMPARE(round["course_name"], QStringLiteral("Nine Acres"));
        QCOMPARE(round["total"], QStringLiteral("35"));
        QCOMPARE(round["p10"], QStringLiteral("0"));
        QCOMPARE(round["b9"], QStringLiteral("0"));
    }

    void bigNumbersAddUpWithoutWrapping()
    {
        Card card;
        for (int i = 0; i < 9; ++i) {
            card.box("txth1", i)->setFocus();
            QTest::keyClicks(card.box("txth1", i), QStringLiteral("99999999999")); // more than a box takes
        }
        QCOMPARE(card.cell("lbl9tot"), QStringLiteral("8999999991"));
    }

    // A list left at its prompt, a name typed that is not in it, no score, a day that is no day or
    // the answer No: nothing is saved and the card stays as it was. A missing course is told first.
    void saveChecks_data()
    {
        QTest::addColumn<QString>("course");
        QTest::addColumn<QString>("golfer");
        QTest::addColumn<bool>("score");
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("text");
        const auto row = [](const char *name, const char *course, const char *golfer, bool score, const char *date,
                            const char *title, const char *text) {
            QTest::newRow(name) << QString::fromLatin1(course) << QString::fromLatin1(golfer) << score
                                << QString::fromLatin1(date) << QString::fromLatin1(title) << QString::fromLatin1(text);
        };
        // Each list: "-" left at its prompt, "" its first entry chosen, else that chosen and typed over.
        row("no course", "-", "", true, "2/30/26", " ERROR - No Course Selected", "You must select a Course");
        row("course typed", "Pine", "", true, "", " ERROR - No Course Selected", "You must select a Course");
        row("no golfer", "", "-", true, "", " ERROR - No Golfer Selected", "You must select a Golfer");
        row("golfer typed", "", "Anne", true, "", " ERROR - No Golfer Selected", "You must select a Golfer");
        row("no score", "", "", false, "", " ERROR - No Score Entered", "You must enter a score to save");
        row("no such day", "", "", true, "2/30/26", " ERROR - Date Not Valid",
            "The date must be a real date, such as 6/12/26 or 2026-06-12");
        row("answered No", "", "", true, "", "Saving Round", "Are you sure you want to save this round?");
    }
    void saveChecks()
    {
        QFETCH(QString, course);
        QFETCH(QString, golfer);
        QFETCH(bool, score);
        QFETCH(QString, date);
        QFETCH(QString, title);
        QFETCH(QString, text);
        Card card;
        const std::pair<const char *, QString> lists[] = {{"cboCourse", course}, {"cboPlayer", golfer}};
        for (const auto &[list, typed] : lists) {
            if (typed != QLatin1String("-")) {
                card.choose(list, 0);
            }
        }
        for (const auto &[list, typed] : lists) {
            if (!typed.isEmpty() && typed != QLatin1String("-")) {
                auto *box = child<QComboBox>(card.window, QString::fromLatin1(list));
                box->clearEditText();
                QTest::keyClicks(box->lineEdit(), typed);
            }
        }
        card.box("txth1", 0)->setText(score ? QStringLiteral("4") : QStringLiteral("0"));
        auto *dateBox = child<QLineEdit>(card.window, QStringLiteral("txtDate"));
        if (!date.isEmpty()) {
            dateBox->setText(date);
        }
        const QString shownDate = dateBox->text();
        const QStringList record = card.program.context.state.round_record;
        card.program.messages.answers
            = {title == QLatin1String("Saving Round") ? MessageAnswer::No : MessageAnswer::Yes};
        card.press("cmdSave");
        QCOMPARE(card.program.messages.shown.size(), 1);
        QCOMPARE(card.program.messages.shown[0].title, title);
        QCOMPARE(card.program.messages.shown[0].text, text);
        QCOMPARE(card.roundCount(), 0);
        QCOMPARE(card.program.context.state.round_record, record);
        QCOMPARE(card.box("txth1", 0)->text(), score ? QStringLiteral("4") : QStringLiteral("0"));
        QCOMPARE(dateBox->text(), shownDate);
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
            QCOMPARE(card.cell(total), QStringLiteral("0"));
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

    // A busy scorebook asks Retry or Cancel; a scorebook that refuses is told. Either way the card stays.
    void busyOrRefusingScorebookKeepsTheCard()
    {
        Card card;
        card.fillIn();
        card.program.messages.answers = {MessageAnswer::Cancel};
        {
            SQLite::Database other(card.program.context.databasePath().toStdString(), SQLite::OPEN_READWRITE);
            other.exec("BEGIN EXCLUSIVE");
            card.press("cmdSave");
        }
        card.program.changeFromOutside(QStringLiteral("ALTER TABLE rounds RENAME TO rounds_elsewhere"));
        card.press("cmdSave");
        const auto &shown = card.program.messages.shown;
        QCOMPARE(shown.size(), 3);
        QCOMPARE(shown[0].title, QStringLiteral("Scorebook Busy"));
        QCOMPARE(shown[0].buttons, MessageButtons::RetryCancel);
        for (int told : {1, 2}) {
            QCOMPARE(shown[told].icon, MessageIcon::Critical);
            QVERIFY(shown[told].text.startsWith(QLatin1String("The round was not saved.")));
        }
        QCOMPARE(card.box("txth1", 0)->text(), QStringLiteral("4"));
        QCOMPARE(card.listed("cboCourse"), QStringLiteral("Pine Hills"));
        QCOMPARE(card.listed("cboPlayer"), QStringLiteral("Ann"));
    }

    void returningFromTheGridKeepsTheRoundButTheMenuStartsAfresh()
    {
        Card card;
        card.fillIn();
        card.press("cmdViewPR");
        QWidget *grid = card.program.windows.loaded(QStringLiteral("frmViewPR"));
        QVERIFY(grid && grid->isVisible());
        click(grid, QStringLiteral("cmdDone"));
        QCOMPARE(card.box("txth1", 0)->text(), QStringLiteral("4"));

        card.press("cmdExit");
        QVERIFY(card.program.windows.loaded(QStringLiteral("frmMain"))->isVisible());
        card.program.windows.show(QStringLiteral("frmScoreround"));
        QCOMPARE(card.box("txth1", 0)->text(), QStringLiteral("0"));
        QCOMPARE(card.listed("cboPlayer"), QStringLiteral("Select Golfer"));
        QCOMPARE(card.cell("txtDate"), card.program.clock.date);
    }

    void savedRoundKeepsItsTeeDayAndPcc()
    {
        Card card;
        card.program.messages.answers = {MessageAnswer::Yes};
        auto *tee = child<QComboBox>(card.window, QStringLiteral("cboTee"));
        auto *pcc = child<QSpinBox>(card.window, QStringLiteral("txtPcc"));
        card.fillIn();
        tee->setCurrentIndex(tee->findText(QStringLiteral("Blue")));
        pcc->setValue(2);
        child<QLineEdit>(card.window, QStringLiteral("txtDate"))->setText(QStringLiteral("5/30/26"));
        card.press("cmdSave");

        QCOMPARE(card.program.messages.titles(), QStringList {"Saving Round"});
        QCOMPARE(card.program.query("SELECT record_no, tee, played_on, pcc FROM round_details"),
                 QStringList {card.lastRound()["record_no"] + " blue 2026-05-30 2"});
        // The next round starts from the white tee and no playing conditions again.
        QCOMPARE(tee->currentText(), QStringLiteral("White"));
        QCOMPARE(pcc->value(), 0);
    }

    void courseHandicapIsShownForARatedTee()
    {
        using namespace handicap_data;
        Card card;
        rate(card.program, QStringLiteral("Pine Hills"), QStringLiteral("white"), QStringLiteral("72.0"), 113);
        for (int day = 1; day <= 3; ++day) {
            addDetailedRound(card.program, "Ann", "Pine Hills", 79 + day, {2026, 5, day}); // index 6.0
        }
        auto *tee = child<QComboBox>(card.window, QStringLiteral("cboTee"));
        card.choose("cboCourse", 0);
        card.choose("cboPlayer", 0);
        QCOMPARE(card.cell("lblCourseHandicap"), QStringLiteral("Course handicap: 6"));
        tee->setCurrentIndex(tee->findText(QStringLiteral("Red"))); // not rated
        QCOMPARE(card.cell("lblCourseHandicap"), QString());
        QVERIFY(card.program.messages.shown.isEmpty());
    }
};

QTEST_MAIN(ScoreCardTest)
#include "tst_score_card.moc"
