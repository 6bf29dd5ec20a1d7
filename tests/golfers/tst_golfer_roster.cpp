#include "core/scorebook/datgolf.h"
#include "golfers/frm_golfer.h"
#include "tests/support/test_program.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
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
            name = window->findChild<QComboBox *>(QStringLiteral("cboAddGolfer"));
        }

        void type(const QString &text)
        {
            name->setEditText(QString());
            QTest::keyClicks(name->lineEdit(), text);
        }

        void press(const char *button)
        {
            QTest::mouseClick(window->findChild<QPushButton *>(QString::fromLatin1(button)), Qt::LeftButton);
        }

        QStringList stored(const QString &table) const
        {
            QStringList names;
            auto data = program.open(table);
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

private Q_SLOTS:
    void addRule_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("empty") << "" << false;
        QTest::newRow("the prompt") << "Select / Add Golfer" << false;
        QTest::newRow("the prompt with blanks") << "  Select / Add Golfer " << false;
        QTest::newRow("the prompt in small letters") << "select / add golfer" << true;
        QTest::newRow("blanks only") << "   " << true;
        QTest::newRow("trailing blank kept") << "Jim " << true;
        QTest::newRow("quote") << "O'Brien" << true;
    }
    void addRule()
    {
        QFETCH(QString, typed);
        QFETCH(bool, accepted);
        Roster roster;
        roster.type(typed);
        roster.press("cmdSaveName");
        QCOMPARE(roster.stored(QStringLiteral("golfers")), accepted ? QStringList {typed} : QStringList());
        if (accepted) {
            QVERIFY(roster.program.messages.shown.isEmpty());
            QCOMPARE(roster.name->currentText(), QStringLiteral("Select / Add Golfer"));
        } else {
            QCOMPARE(roster.program.messages.shown.size(), 1);
            QCOMPARE(roster.program.messages.shown[0].title, QStringLiteral("Error adding new golfer."));
            QCOMPARE(roster.program.messages.shown[0].text, QStringLiteral("Error! No new golfer to add."));
        }
    }

    void addingTwiceListsTwiceEverywhere()
    {
        Roster roster({QStringLiteral("Ann")});
        for (int i = 0; i < 2; ++i) {
            roster.type(QStringLiteral("Jim"));
            roster.press("cmdSaveName");
        }
        const QStringList expected {"Ann", "Jim", "Jim"};
        QCOMPARE(roster.listed(), expected);
        QCOMPARE(roster.program.context.pickLists.golfers()->stringList(), expected);
    }

    void deleteGolferAndRounds_data()
    {
        QTest::addColumn<QStringList>("golfers");
        QTest::addColumn<QStringList>("rounds");
        QTest::addColumn<QString>("toDelete");
        QTest::addColumn<QStringList>("golfersLeft");
        QTest::addColumn<QStringList>("roundsLeft");
        QTest::addColumn<bool>("notFound");
        QTest::newRow("case and blanks ignored for rounds")
            << QStringList {"Jim", "Ann"} << QStringList {"Jim", "JIM", "Jim ", " jim", "Ann", "Jimmy"} << "jim"
            << QStringList {"Ann"} << QStringList {"Ann", "Jimmy"} << false;
        QTest::newRow("not found keeps the rounds") << QStringList {"Jim"} << QStringList {"Jim"} << "Jim "
                                                    << QStringList {"Jim"} << QStringList {"Jim"} << true;
        QTest::newRow("the later of two is deleted, rounds kept for the other")
            << QStringList {"Jim", "Ann", "JIM"} << QStringList {"Jim"} << "Jim" << QStringList {"Jim", "Ann"}
            << QStringList {"Jim"} << false;
        QTest::newRow("quote") << QStringList {"O'Brien", "OBrien"} << QStringList {"O'Brien", "OBrien"} << "O'Brien"
                               << QStringList {"OBrien"} << QStringList {"OBrien"} << false;
        QTest::newRow("wildcards are letters") << QStringList {"A%", "Al", "A_"} << QStringList {"Al", "A%"} << "A%"
                                               << QStringList {"Al", "A_"} << QStringList {"Al"} << false;
        QTest::newRow("capitals one for one: sharp s")
            << QStringList {"Strauß", "STRAUSS"} << QStringList {"Strauß", "STRAUSS"} << "Strauß"
            << QStringList {"STRAUSS"} << QStringList {"STRAUSS"} << false;
        QTest::newRow("capitals one for one: ligature")
            << QStringList {"ﬁsh", "FISH"} << QStringList {"ﬁsh", "FISH"} << "FISH" << QStringList {"ﬁsh"}
            << QStringList {"ﬁsh"} << false;
        QTest::newRow("dotless i raises to I") << QStringList {"Kim"} << QStringList {"kım", "Kim", "Kimi"} << "Kim"
                                               << QStringList() << QStringList {"Kimi"} << false;
        QTest::newRow("no rounds at all")
            << QStringList {"Ann"} << QStringList() << "Ann" << QStringList() << QStringList() << false;
    }
    void deleteGolferAndRounds()
    {
        QFETCH(QStringList, golfers);
        QFETCH(QStringList, rounds);
        QFETCH(QString, toDelete);
        QFETCH(QStringList, golfersLeft);
        QFETCH(QStringList, roundsLeft);
        QFETCH(bool, notFound);
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
        QCOMPARE(roster.program.messages.shown.size(), notFound ? 2 : 1);
        if (notFound) {
            QCOMPARE(roster.program.messages.shown[1].text, QStringLiteral("Sorry, I could not find the golfer."));
            QCOMPARE(roster.program.messages.shown[1].title, QStringLiteral("Delete a golfer."));
        }
        QCOMPARE(roster.stored(QStringLiteral("golfers")), golfersLeft);
        QCOMPARE(roster.stored(QStringLiteral("rounds")), roundsLeft);
        QCOMPARE(roster.listed(), golfersLeft);
        QCOMPARE(roster.name->currentText(), QStringLiteral("Select / Add Golfer"));
    }

    void typedNameIsNeverCompleted()
    {
        Roster roster({QStringLiteral("Patricia")}, {QStringLiteral("Patricia")});
        roster.type(QStringLiteral("Pat"));
        QCOMPARE(roster.name->currentText(), QStringLiteral("Pat"));
        roster.press("cmdSaveName");
        QCOMPARE(roster.stored(QStringLiteral("golfers")), (QStringList {"Patricia", "Pat"}));

        roster.program.messages.answers = {MessageAnswer::Yes};
        roster.type(QStringLiteral("Pat"));
        roster.press("cmdDeleteGolfer");
        QCOMPARE(roster.stored(QStringLiteral("golfers")), QStringList {"Patricia"});
        QCOMPARE(roster.stored(QStringLiteral("rounds")), QStringList {"Patricia"});
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
        QCOMPARE(roster.stored(QStringLiteral("golfers")), QStringList {"A?"});
        QCOMPARE(roster.stored(QStringLiteral("rounds")), QStringList {"A?"});
    }

    void answeringNoChangesNothing()
    {
        Roster roster({QStringLiteral("Jim")}, {QStringLiteral("Jim")});
        roster.program.messages.answers = {MessageAnswer::No};
        roster.type(QStringLiteral("Jim"));
        roster.press("cmdDeleteGolfer");
        QCOMPARE(roster.stored(QStringLiteral("golfers")), QStringList {"Jim"});
        QCOMPARE(roster.stored(QStringLiteral("rounds")), QStringList {"Jim"});
        QCOMPARE(roster.name->currentText(), QStringLiteral("Jim"));
    }

    void refusedChangeIsToldAndNothingHalfDone()
    {
        Roster roster({QStringLiteral("Jim")}, {QStringLiteral("Jim")});
        // Another program takes the rounds table away: the deletion must not
        // remove the golfer without the rounds.
        roster.program.changeFromOutside(QStringLiteral("ALTER TABLE rounds RENAME TO rounds_elsewhere"));
        roster.program.messages.answers = {MessageAnswer::Yes};
        roster.type(QStringLiteral("Jim"));
        roster.press("cmdDeleteGolfer");
        QCOMPARE(roster.program.messages.shown.size(), 2);
        QVERIFY(roster.program.messages.shown[1].text.startsWith(QLatin1String("Nothing was deleted.")));
        QCOMPARE(roster.stored(QStringLiteral("golfers")), QStringList {"Jim"});
        QCOMPARE(roster.name->currentText(), QStringLiteral("Jim"));
    }

    void mainMenuAndFrameCloseReturnToTheMenu()
    {
        Roster roster;
        QWidget *menu = roster.program.windows.loaded(QStringLiteral("frmMain"));
        roster.type(QStringLiteral("Half typed"));
        roster.press("cmdExit");
        QVERIFY(menu->isVisible());
        QVERIFY(!roster.window->isVisible());
        roster.program.windows.show(QStringLiteral("frmGolfer"));
        QCOMPARE(roster.name->currentText(), QStringLiteral("Half typed"));
        roster.window->close();
        QVERIFY(!roster.window->isVisible());
        QVERIFY(menu->isVisible());
    }
};

QTEST_MAIN(GolferRosterTest)
#include "tst_golfer_roster.moc"
