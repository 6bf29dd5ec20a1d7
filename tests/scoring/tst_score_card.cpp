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

    Card()
    {
        program.addCourse(sampleCourse(QStringLiteral("Pine Hills"), Pars18));
        program.addCourse(sampleCourse(QStringLiteral("Nine Acres"), {3, 4, 5, 4, 3, 4, 5, 4, 3}, false));
        program.addGolfer(QStringLiteral("Ann"));
        program.startUp();
        window = static_cast<frmScoreround *>(program.windows.show(QStringLiteral("frmScoreround")));
        if (!QTest::qWaitForWindowActive(window)) {
            qFatal("the score card did not become active");
        }
    }

    QLineEdit *box(int i) const { return child<QLineEdit>(window, QStringLiteral("txth1_%1").arg(i)); }
    QString cell(const char *name) const { return text(window, QString::fromLatin1(name)); }
    QString listed(const char *list) const { return child<QComboBox>(window, QLatin1String(list))->currentText(); }
    void choose(const char *list, int index) { driving::choose(window, QString::fromLatin1(list), index); }
    void press(const char *button) { click(window, QString::fromLatin1(button)); }
    // Course, golfer and a score on the first hole.
    void fillIn(const QString &strokes = QStringLiteral("4"))
    {
        choose("cboCourse", 0);
        choose("cboPlayer", 0);
        box(0)->setText(strokes);
    }

    // Types each value into the box that has the focus, then Enter, as on the keyboard.
    void typeNine(const QList<int> &strokes, const QList<int> &putts)
    {
        QTRY_COMPARE(QApplication::focusWidget(), box(0));
        for (int value : strokes + putts) {
            QTest::keyClicks(QApplication::focusWidget(), QString::number(value));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        }
    }
};

} // namespace

class ScoreCardTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Each typed box lands on its hole; tee, day and PCC are saved with the round, and the next
    // round starts from the white tee and no PCC.
    void fullRoundByKeyboardFrontFirstSavedFromTheBack()
    {
        Card card;
        card.program.messages.answers = {MessageAnswer::Yes};
        child(card.window, QStringLiteral("cboCourse"))->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QCOMPARE(QApplication::focusWidget(), child(card.window, QStringLiteral("cboPlayer")));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QCOMPARE(card.cell("txtName"), QStringLiteral("Ann"));

        card.typeNine({4, 5, 4, 3, 5, 4, 4, 3, 5}, {2, 2, 1, 2, 3, 2, 2, 1, 2});
        QCOMPARE(QApplication::focusWidget(), child(card.window, QStringLiteral("cmdSave")));

        card.press("cmdNine");
        QCOMPARE(card.cell("lblHole1"), QStringLiteral("10"));
        card.box(0)->setFocus();
        card.typeNine({3, 4, 4, 4, 4, 4, 4, 4, 5}, {1, 2, 2, 2, 2, 2, 2, 2, 3});
        QCOMPARE(card.cell("lbl18tot"), QStringLiteral("73"));

        auto *pcc = child<QSpinBox>(card.window, QStringLiteral("txtPcc"));
        pick(card.window, QStringLiteral("cboTee"), QStringLiteral("Blue"));
        pcc->setValue(2);
        child<QLineEdit>(card.window, QStringLiteral("txtDate"))->setText(QStringLiteral("5/30/2026"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space); // on Save after the last putt
        QCOMPARE(card.program.messages.titles(), QStringList {"Saving Round"});
        QCOMPARE(card.program.query("SELECT golfer_name, course_name, date, h1, h9, h10, h18, "
                                    "put3, put10, put18, p3, p13, total, puttot, tee, played_on, pcc "
                                    "FROM rounds JOIN round_details USING (record_no)"),
                 QStringList {"Ann Pine Hills 5/30/2026 4 5 3 5 1 1 3 3 5 73 35 blue 2026-05-30 2"});
        // Reset after the save: an empty card, the same nine still shown.
        QCOMPARE(card.listed("cboCourse"), QStringLiteral("Select Course"));
        QCOMPARE(card.cell("lblHole1"), QStringLiteral("10"));
        QCOMPARE(card.listed("cboTee"), QStringLiteral("White"));
        QCOMPARE(pcc->value(), 0);
    }

    // Each key with the text X11 gives it, typed where "|" stands; a box takes at most nine digits.
    void keys_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QChar>("key");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<int>("beeps");
        QTest::newRow("digit") << "5|6" << QChar('7') << "576" << 0;
        QTest::newRow("backspace") << "5|6" << QChar('\b') << "6" << 0;
        QTest::newRow("delete") << "5|6" << QChar(0x7f) << "5" << 0;
        QTest::newRow("letter") << "5|6" << QChar('a') << "56" << 1;
        QTest::newRow("tenth digit") << "99999999|9" << QChar('7') << "999999999" << 0;
    }
    void keys()
    {
        QFETCH(QString, before);
        QFETCH(QChar, key);
        QFETCH(QString, expected);
        QFETCH(int, beeps);
        Card card;
        QLineEdit *box = card.box(3);
        box->setText(QString(before).remove(QLatin1Char('|')));
        box->setCursorPosition(before.indexOf(QLatin1Char('|')));
        x11_keys::press(box, key);
        QCOMPARE(box->text(), expected);
        QCOMPARE(card.program.beeper.beeps, beeps);
    }

    void keysTypedInBurstsAllReachTheirBoxes()
    {
        Card card;
        card.box(0)->setFocus();
        x11_keys::burst(card.window, QStringLiteral("412\r36"));
        QCoreApplication::processEvents();
        x11_keys::burst(card.window, QStringLiteral("6\r5"));
        QCoreApplication::processEvents();
        QCOMPARE(card.box(0)->text(), QStringLiteral("412"));
        QCOMPARE(card.box(1)->text(), QStringLiteral("366"));
        QCOMPARE(card.box(2)->text(), QStringLiteral("5"));
    }

    // The nine switch is announced by its caption and keeps what was typed; a nine-hole
    // course chosen on the back nine shows its front, and is saved without a back nine.
    void nineSwitch()
    {
        Card card;
        card.program.messages.answers = {MessageAnswer::Yes};
        card.choose("cboCourse", 0);
        auto *nine = child<QPushButton>(card.window, QStringLiteral("cmdNine"));
        card.box(0)->setText(QStringLiteral("05"));
        card.press("cmdNine");
        QCOMPARE(nine->text(), QStringLiteral("&Front Nine"));
        QCOMPARE(nine->accessibleName(), QStringLiteral("Front Nine"));
        QCOMPARE(card.box(0)->text(), QStringLiteral("0"));
        card.press("cmdNine");
        QCOMPARE(card.box(0)->text(), QStringLiteral("05"));
        QCOMPARE(card.cell("lbl9tot"), QStringLiteral("5"));

        card.press("cmdNine");
        card.choose("cboCourse", 1);
        QCOMPARE(nine->text(), QStringLiteral("&Back Nine"));
        QVERIFY(!nine->isEnabled());
        QCOMPARE(card.cell("lblHole1"), QStringLiteral("1"));
        card.choose("cboPlayer", 0);
        card.typeNine({3, 4, 5, 4, 3, 4, 5, 4, 3}, {});
        card.press("cmdSave");
        QCOMPARE(card.program.query("SELECT course_name, total, p10, b9 FROM rounds"),
                 QStringList {"Nine Acres 35 0 0"});
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
        row("course typed", "Pine", "", true, "6/1/26", " ERROR - No Course Selected", "You must select a Course");
        row("no golfer", "", "-", true, "6/1/26", " ERROR - No Golfer Selected", "You must select a Golfer");
        row("golfer typed", "", "Anne", true, "6/1/26", " ERROR - No Golfer Selected", "You must select a Golfer");
        row("no score", "", "", false, "6/1/26", " ERROR - No Score Entered", "You must enter a score to save");
        row("no such day", "", "", true, "2/30/26", " ERROR - Date Not Valid",
            "The date must be a real date, such as 6/12/26 or 2026-06-12");
        row("answered No", "", "", true, "6/1/26", "Saving Round", "Are you sure you want to save this round?");
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
            if (typed == QLatin1String("-")) {
                continue;
            }
            card.choose(list, 0);
            if (!typed.isEmpty()) {
                auto *box = child<QComboBox>(card.window, QString::fromLatin1(list));
                box->clearEditText();
                box->setFocus(); // a list completes only what is typed into it with the focus
                QTest::keyClicks(box->lineEdit(), typed);
            }
        }
        card.box(0)->setText(score ? QStringLiteral("4") : QStringLiteral("0"));
        child<QLineEdit>(card.window, QStringLiteral("txtDate"))->setText(date);
        const QStringList record = card.program.context.state.round_record;
        card.press("cmdSave");
        QCOMPARE(card.program.messages.titles(), QStringList {title});
        QCOMPARE(card.program.messages.shown[0].text, text);
        QCOMPARE(card.program.query("SELECT count(*) FROM rounds"), QStringList {"0"});
        QCOMPARE(card.program.context.state.round_record, record);
        QCOMPARE(card.box(0)->text(), score ? QStringLiteral("4") : QStringLiteral("0"));
        QCOMPARE(card.cell("txtDate"), date);
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
        QCOMPARE(card.program.messages.titles(), (QStringList {"Scorebook Busy", "Saving Round", "Saving Round"}));
        QCOMPARE(shown[0].buttons, MessageButtons::RetryCancel);
        for (int told : {1, 2}) {
            QCOMPARE(shown[told].icon, MessageIcon::Critical);
            QVERIFY(shown[told].text.startsWith(QLatin1String("The round was not saved.")));
        }
        QCOMPARE(card.box(0)->text(), QStringLiteral("4"));
        QCOMPARE(card.listed("cboCourse"), QStringLiteral("Pine Hills"));
        QCOMPARE(card.listed("cboPlayer"), QStringLiteral("Ann"));
    }

    // Back from the prior rounds the card is as left; after a save, or the main menu and back, it starts
    // afresh, whichever nine was shown, and "no score" is decided from both nines.
    void afterLeavingTheRound_data()
    {
        QTest::addColumn<QString>("leaveBy");
        QTest::addColumn<bool>("kept");
        QTest::newRow("prior rounds and back") << "cmdViewPR" << true;
        QTest::newRow("main menu and back") << "cmdExit" << false;
        QTest::newRow("saved from a back nine left at 0") << "cmdSave" << false;
    }
    void afterLeavingTheRound()
    {
        QFETCH(QString, leaveBy);
        QFETCH(bool, kept);
        Card card;
        card.program.messages.answers = {MessageAnswer::Yes};
        card.fillIn(QStringLiteral("6"));
        child<QLineEdit>(card.window, QStringLiteral("txtDate"))->setText(QStringLiteral("5/30/26"));
        card.press("cmdNine");
        click(card.window, leaveBy);
        if (leaveBy == QLatin1String("cmdViewPR")) {
            click(card.program.windows.loaded(QStringLiteral("frmViewPR")), QStringLiteral("cmdDone"));
        } else if (leaveBy == QLatin1String("cmdExit")) {
            QVERIFY(card.program.windows.loaded(QStringLiteral("frmMain"))->isVisible());
            card.program.windows.show(QStringLiteral("frmScoreround"));
        }
        QCOMPARE(card.cell("lbl18tot"), kept ? QStringLiteral("6") : QStringLiteral("0"));
        QCOMPARE(card.listed("cboPlayer"), kept ? QStringLiteral("Ann") : QStringLiteral("Select Golfer"));
        QCOMPARE(card.cell("txtDate"), kept ? QStringLiteral("5/30/26") : card.program.clock.date);
        card.choose("cboCourse", 0);
        QCOMPARE(card.cell("lbl18tot"), kept ? QStringLiteral("6") : QStringLiteral("0"));
        card.choose("cboPlayer", 0);
        card.program.messages.shown.clear();
        card.press("cmdSave");
        QCOMPARE(card.program.messages.titles(), QStringList {kept ? "Saving Round" : " ERROR - No Score Entered"});
    }

    void courseHandicapIsShownForARatedTee()
    {
        using namespace handicap_data;
        Card card;
        rate(card.program, QStringLiteral("Pine Hills"), QStringLiteral("white"), QStringLiteral("72.0"), 113);
        for (int day = 1; day <= 3; ++day) {
            addDetailedRound(card.program, "Ann", "Pine Hills", 79 + day, {2026, 5, day}); // index 6.0
        }
        card.choose("cboCourse", 0);
        card.choose("cboPlayer", 0);
        QCOMPARE(card.cell("lblCourseHandicap"), QStringLiteral("Course handicap: 6"));
        pick(card.window, QStringLiteral("cboTee"), QStringLiteral("Red")); // not rated
        QCOMPARE(card.cell("lblCourseHandicap"), QString());
        QVERIFY(card.program.messages.shown.isEmpty());
    }
};

QTEST_MAIN(ScoreCardTest)
#include "tst_score_card.moc"
