#include "core/scorebook/datgolf.h"
#include "golfers/frm_golfer.h"
#include "tests/support/driving.h"
#include "tests/support/test_program.h"

#include <QComboBox>
#include <QLineEdit>
#include <QtTest>

// Adding and deleting golfers through the roster window.
class GolferRosterTest : public QObject
{
    Q_OBJECT

private:
    struct Roster
    {
        TestProgram program;
        frmGolfer *window = nullptr;
        QComboBox *name = nullptr;

        Roster(const QStringList &golfers = {}, const QStringList &roundOwners = {})
        {
            for (const QString &golfer : golfers) {
                program.addGolfer(golfer);
            }
            for (const QString &owner : roundOwners) {
                program.addRound(
                    {{QStringLiteral("golfer_name"), owner}, {QStringLiteral("total"), QStringLiteral("80")}});
            }
            program.startUp();
            window = static_cast<frmGolfer *>(program.windows.show(QStringLiteral("frmGolfer")));
            name = driving::child<QComboBox>(window, QStringLiteral("cboAddGolfer"));
        }

        void type(const QString &text)
        {
            name->setEditText(QString());
            QTest::keyClicks(name->lineEdit(), text);
        }
        void press(const char *button) { driving::click(window, QString::fromLatin1(button)); }

        QStringList stored(const char *table) const
        {
            QStringList names;
            auto data = program.open(QString::fromLatin1(table));
            for (data->moveFirst(); !data->atEnd(); data->moveNext()) {
                names.append(data->field(QStringLiteral("golfer_name")));
            }
            return names;
        }
        QStringList listed() const
        {
            QStringList names;
            for (int i = 0; i < name->count(); ++i) {
                names.append(name->itemText(i));
            }
            return names;
        }
    };

    // Names in a table row, parted by "|".
    static QStringList names(const char *joined)
    {
        return QString::fromUtf8(joined).split(QLatin1Char('|'), Qt::SkipEmptyParts);
    }

private Q_SLOTS:
    void addRule_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("empty") << "" << false;
        QTest::newRow("the prompt with blanks") << "  Select / Add Golfer " << false;
        QTest::newRow("the prompt in small letters") << "select / add golfer" << true;
        QTest::newRow("trailing blank kept") << "Jim " << true;
    }
    void addRule()
    {
        QFETCH(QString, typed);
        QFETCH(bool, accepted);
        Roster roster;
        roster.type(typed);
        roster.press("cmdSaveName");
        QCOMPARE(roster.stored("golfers"), accepted ? QStringList {typed} : QStringList());
        if (accepted) {
            QVERIFY(roster.program.messages.shown.isEmpty());
            QCOMPARE(roster.name->currentText(), QStringLiteral("Select / Add Golfer"));
        } else {
            QCOMPARE(roster.program.messages.titles(), QStringList {"Error adding new golfer."});
            QCOMPARE(roster.program.messages.shown[0].text, QStringLiteral("Error! No new golfer to add."));
        }
    }

    // Which golfers and rounds go is the removal rule's; the roster asks first and lists what is left.
    void deleteGolferAndRounds_data()
    {
        QTest::addColumn<QStringList>("golfers");
        QTest::addColumn<QStringList>("rounds");
        QTest::addColumn<QString>("toDelete");
        QTest::addColumn<QStringList>("golfersLeft");
        QTest::addColumn<QStringList>("roundsLeft");
        const auto row = [](const char *name, const char *golfers, const char *rounds, const char *toDelete,
                            const char *golfersLeft, const char *roundsLeft) {
            QTest::newRow(name) << names(golfers) << names(rounds) << QString::fromUtf8(toDelete) << names(golfersLeft)
                                << names(roundsLeft);
        };
        row("case and blanks ignored for rounds", "Jim|Ann", "Jim|JIM|Jim | jim|Ann|Jimmy", "jim", "Ann", "Ann|Jimmy");
        row("not found keeps the rounds", "Jim", "Jim", "Jim ", "Jim", "Jim");
    }
    void deleteGolferAndRounds()
    {
        QFETCH(QStringList, golfers);
        QFETCH(QStringList, rounds);
        QFETCH(QString, toDelete);
        QFETCH(QStringList, golfersLeft);
        QFETCH(QStringList, roundsLeft);
        Roster roster(golfers, rounds);
        roster.program.messages.answers = {MessageAnswer::Yes};
        roster.type(toDelete);
        roster.press("cmdDeleteGolfer");

        const MessageRequest &question = roster.program.messages.shown.at(0);
        QCOMPARE(question.title, QStringLiteral(" Delete a Golfer and all thier Rounds? "));
        QCOMPARE(question.text,
                 QStringLiteral("Are you sure you want to delete this golfer?\r\n"
                                "All rounds for this golfer will be deleted also."));
        QCOMPARE(question.defaultButton, MessageAnswer::No);
        const bool notFound = golfersLeft == golfers;
        QCOMPARE(roster.program.messages.shown.size(), notFound ? 2 : 1);
        if (notFound) {
            QCOMPARE(roster.program.messages.shown[1].title, QStringLiteral("Delete a golfer."));
            QCOMPARE(roster.program.messages.shown[1].text, QStringLiteral("Sorry, I could not find the golfer."));
        }
        QCOMPARE(roster.stored("golfers"), golfersLeft);
        QCOMPARE(roster.stored("rounds"), roundsLeft);
        QCOMPARE(roster.listed(), golfersLeft);
        QCOMPARE(roster.name->currentText(), QStringLiteral("Select / Add Golfer"));
    }

    // Added twice, a name is listed twice everywhere; deleted, only the later goes.
    void typedNameIsNeverCompleted()
    {
        Roster roster({QStringLiteral("Patricia")}, {QStringLiteral("Patricia")});
        for (int i = 0; i < 2; ++i) {
            roster.type(QStringLiteral("Pat"));
            QCOMPARE(roster.name->currentText(), QStringLiteral("Pat"));
            roster.press("cmdSaveName");
        }
        QCOMPARE(roster.stored("golfers"), (QStringList {"Patricia", "Pat", "Pat"}));
        QCOMPARE(roster.listed(), roster.stored("golfers"));
        QCOMPARE(roster.program.context.pickLists.golfers()->stringList(), roster.listed());

        roster.program.messages.answers = {MessageAnswer::Yes};
        roster.type(QStringLiteral("Pat"));
        roster.press("cmdDeleteGolfer");
        QCOMPARE(roster.stored("golfers"), (QStringList {"Patricia", "Pat"}));
        QCOMPARE(roster.stored("rounds"), QStringList {"Patricia"});
    }

    void brokenCharacterIsRefusedNotStoredAsAQuestionMark()
    {
        Roster roster({QStringLiteral("A?")}, {QStringLiteral("A?")});
        const QString broken = QStringLiteral("A") + QChar(0xD800);
        roster.name->setEditText(broken);
        roster.press("cmdSaveName");
        roster.program.messages.answers = {MessageAnswer::Yes};
        roster.name->setEditText(broken);
        roster.press("cmdDeleteGolfer");
        QCOMPARE(
            roster.program.messages.titles(),
            (QStringList {"Error adding new golfer.", " Delete a Golfer and all thier Rounds? ", "Delete a golfer."}));
        QCOMPARE(roster.stored("golfers"), QStringList {"A?"});
        QCOMPARE(roster.stored("rounds"), QStringList {"A?"});
    }

    // Answering No changes nothing; when another program has taken the rounds
    // table away, the golfer must not go without the rounds.
    void answeringNoOrARefusalChangesNothing()
    {
        Roster roster({QStringLiteral("Jim")}, {QStringLiteral("Jim")});
        roster.program.messages.answers = {MessageAnswer::No};
        roster.type(QStringLiteral("Jim"));
        roster.press("cmdDeleteGolfer");
        QCOMPARE(roster.stored("rounds"), QStringList {"Jim"});
        QCOMPARE(roster.name->currentText(), QStringLiteral("Jim"));

        roster.program.changeFromOutside(QStringLiteral("ALTER TABLE rounds RENAME TO rounds_elsewhere"));
        roster.program.messages.answers = {MessageAnswer::Yes};
        roster.press("cmdDeleteGolfer");
        QCOMPARE(roster.program.messages.shown.size(), 3);
        QVERIFY(roster.program.messages.shown[2].text.startsWith(QLatin1String("Nothing was deleted.")));
        QCOMPARE(roster.stored("golfers"), QStringList {"Jim"});
        QCOMPARE(roster.name->currentText(), QStringLiteral("Jim"));
    }

    void mainMenuAndFrameCloseReturnToTheMenu()
    {
        Roster roster;
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
