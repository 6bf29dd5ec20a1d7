#include "golfers/frm_golfer.h"
#include "tests/support/driving.h"
#include "tests/support/test_program.h"

#include <QComboBox>
#include <QLineEdit>
#include <QStringListModel>
#include <QtTest>

namespace {

const QString Prompt = QStringLiteral("Select / Add Golfer");
const QString Broken = QStringLiteral("A") + QChar(0xD800);
const QString BrokenRefused = QStringLiteral("A name holds a broken character, so it cannot be stored or looked up. "
                                             "Please type it again.");

// The roster window over a scorebook holding these golfers.
struct Roster
{
    TestProgram program;
    frmGolfer *window = nullptr;
    QComboBox *name = nullptr;

    explicit Roster(const QStringList &golfers)
    {
        for (const QString &golfer : golfers) {
            program.addGolfer(golfer);
        }
        program.startUp();
        window = static_cast<frmGolfer *>(program.windows.show(QStringLiteral("frmGolfer")));
        name = driving::child<QComboBox>(window, QStringLiteral("cboAddGolfer"));
        if (!QTest::qWaitForWindowActive(window)) {
            qFatal("the roster did not become active");
        }
    }

    // Key by key into the box with the focus, where a completing list would complete the text.
    void type(const QString &text)
    {
        name->clearEditText();
        name->setFocus();
        if (text.isValidUtf16()) {
            QTest::keyClicks(name->lineEdit(), text);
        } else {
            name->setEditText(text); // a broken character can only be pasted
        }
    }
    void press(const char *button) { driving::click(window, QString::fromLatin1(button)); }
    QStringList stored() const { return program.query("SELECT golfer_name FROM golfers ORDER BY rowid"); }
    QStringList listed() const { return qobject_cast<QStringListModel *>(name->model())->stringList(); }
};

} // namespace

// Adding and deleting golfers through the roster window.
class GolferRosterTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // With "Patricia" listed, "Pat" is added as typed, never completed.
    void adding_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("told"); // none: added
        const QString noName = QStringLiteral("Error! No new golfer to add.");
        QTest::newRow("empty") << "" << noName;
        QTest::newRow("the prompt with blanks") << "  Select / Add Golfer " << noName;
        QTest::newRow("the prompt in small letters") << "select / add golfer" << QString();
        QTest::newRow("trailing blank kept") << "Jim " << QString();
        QTest::newRow("a listed name begun") << "Pat" << QString();
        QTest::newRow("broken character") << Broken << Broken + " was not added.\n" + BrokenRefused;
    }
    void adding()
    {
        QFETCH(QString, typed);
        QFETCH(QString, told);
        Roster roster({QStringLiteral("Patricia")});
        roster.type(typed);
        QCOMPARE(roster.name->currentText(), typed);
        roster.press("cmdSaveName");
        const QStringList golfers = told.isEmpty() ? QStringList {"Patricia", typed} : QStringList {"Patricia"};
        QCOMPARE(roster.stored(), golfers);
        QCOMPARE(roster.listed(), golfers);
        if (told.isEmpty()) {
            QVERIFY(roster.program.messages.shown.isEmpty());
            QCOMPARE(roster.name->currentText(), Prompt);
        } else {
            QCOMPARE(roster.program.messages.titles(), QStringList {"Error adding new golfer."});
            QCOMPARE(roster.program.messages.shown[0].text, told);
        }
    }

    // The roster asks first; which rounds go with the golfer is the removal rule's.
    void deleting_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<MessageAnswer>("answer");
        QTest::addColumn<QStringList>("left");
        QTest::addColumn<QString>("told"); // after the question; none: nothing
        QTest::addColumn<QString>("shown"); // in the name box afterwards
        const QStringList all = {"Patricia", "Pat", "A?"};
        QTest::newRow("listed") << "Pat" << MessageAnswer::Yes << QStringList {"Patricia", "A?"} << QString() << Prompt;
        QTest::newRow("not found") << "Jim" << MessageAnswer::Yes << all << "Sorry, I could not find the golfer."
                                   << Prompt;
        QTest::newRow("answered No") << "Pat" << MessageAnswer::No << all << QString() << "Pat";
        QTest::newRow("broken character")
            << Broken << MessageAnswer::Yes << all << "Nothing was deleted.\n" + BrokenRefused << Broken;
    }
    void deleting()
    {
        QFETCH(QString, typed);
        QFETCH(MessageAnswer, answer);
        QFETCH(QStringList, left);
        QFETCH(QString, told);
        QFETCH(QString, shown);
        Roster roster({QStringLiteral("Patricia"), QStringLiteral("Pat"), QStringLiteral("A?")});
        roster.program.messages.answers = {answer};
        roster.type(typed);
        roster.press("cmdDeleteGolfer");

        const MessageRequest &question = roster.program.messages.shown.at(0);
        QCOMPARE(question.title, QStringLiteral(" Delete a Golfer and all thier Rounds? "));
        QCOMPARE(question.text,
                 QStringLiteral("Are you sure you want to delete this golfer?\r\n"
                                "All rounds for this golfer will be deleted also."));
        QCOMPARE(question.defaultButton, MessageAnswer::No);
        QCOMPARE(roster.program.messages.shown.size(), told.isEmpty() ? 1 : 2);
        if (!told.isEmpty()) {
            QCOMPARE(roster.program.messages.shown[1].title, QStringLiteral("Delete a golfer."));
            QCOMPARE(roster.program.messages.shown[1].text, told);
        }
        QCOMPARE(roster.stored(), left);
        QCOMPARE(roster.listed(), left);
        QCOMPARE(roster.name->currentText(), shown);
    }

    void mainMenuAndFrameCloseReturnToTheMenu()
    {
        Roster roster({});
        QWidget *menu = roster.program.windows.loaded(QStringLiteral("frmMain"));
        roster.type(QStringLiteral("Half typed"));
        roster.press("cmdExit");
        QVERIFY(menu->isVisible() && !roster.window->isVisible());
        roster.program.windows.show(QStringLiteral("frmGolfer"));
        QCOMPARE(roster.name->currentText(), QStringLiteral("Half typed"));
        roster.window->close();
        QVERIFY(menu->isVisible() && !roster.window->isVisible());
    }
};

QTEST_MAIN(GolferRosterTest)
#include "tst_golfer_roster.moc"
