#include "card/card_fill.h"
#include "card/card_grid.h"
#include "core/records/course_cache.h"
#include "core/records/course_layout.h"
#include "core/records/resets.h"
#include "core/scorebook/datgolf.h"
#include "tests/support/test_program.h"
#include "ui/list_loaders.h"
#include "ui/form_controls.h"
#include "ui/pick_lists.h"

#include <QComboBox>
#include <QLabel>
#include <QtTest>

using namespace course_layout;

// The course cache, the pick-list loaders and the card fills.
class CourseCacheTest : public QObject
{
    Q_OBJECT

private:
    static QStringList entries(QComboBox *list)
    {
        QStringList names;
        for (int i = 0; i < list->count(); ++i) {
            names.append(list->itemText(i));
        }
        return names;
    }

    static void loadCache(TestProgram &program)
    {
        auto courses = program.open(QStringLiteral("courseinfo"));
        courses->moveFirst();
        load_course_cache(*courses, program.context.state);
        program.context.state.last_course = courses->recordCount() - 1;
    }

    static QString cell(QWidget *card, const QString &name) { return card->findChild<QLabel *>(name)->text(); }

private Q_SLOTS:
    void emptyTableLoadsNothing()
    {
        TestProgram program;
        loadCache(program);
        QCOMPARE(program.context.state.loop_count, 0);
        QCOMPARE(program.context.state.last_course, -1);
        load_course_lists(program.context.state, program.context.pickLists);
        QCOMPARE(program.context.pickLists.courses()->rowCount(), 0);
    }

    void cacheGrowsPastFiftyCourses()
    {
        TestProgram program;
        for (int i = 0; i < 53; ++i) {
            program.addCourse(sampleCourse(QStringLiteral("Course %1").arg(i), {}));
        }
        loadCache(program);
        QCOMPARE(program.context.state.last_course, 52);
        QCOMPARE(program.context.state.course_cache.size(), 53);
        QCOMPARE(program.context.state.course_cache.at(52).at(Name), QStringLiteral("Course 52"));
        load_course_lists(program.context.state, program.context.pickLists);
        QCOMPARE(program.context.pickLists.courses()->rowCount(), 53);
        QCOMPARE(program.context.pickLists.courses()->stringList().at(50), QStringLiteral("Course 50"));
    }

    void loadersRefillEveryListInOrderAndShowItsPrompt()
    {
        TestProgram program;
        for (const char *name : {"Pine", "Oak", "Pine"}) {
            program.addCourse(sampleCourse(QString::fromLatin1(name), {}));
        }
        for (const char *name : {"Jim", "Ann", "Jim"}) {
            program.addGolfer(QString::fromLatin1(name));
        }
        loadCache(program);
        PickLists &lists = program.context.pickLists;
        QWidget window;
        QComboBox *courses = makePickList(&window, QStringLiteral("c"), PickLists::coursePrompt(), lists.courses());
        QComboBox *roster = makePickList(&window, QStringLiteral("r"), PickLists::golferPrompt(PickLists::Roster),
                                         lists.golfers());
        QComboBox *players = makePickList(&window, QStringLiteral("p"),
                                          PickLists::golferPrompt(PickLists::ScoreCardGolfers), lists.golfers());
        // Filling twice leaves each name once; a refill drops what was chosen.
        load_course_lists(program.context.state, lists);
        courses->setCurrentIndex(1);
        load_course_lists(program.context.state, lists);
        auto golfers = program.open(QStringLiteral("golfers"));
        QVERIFY(!lists.golfersLoaded());
        load_golfer_lists(*golfers, lists);
        QVERIFY(golfers->atEnd());
        QVERIFY(lists.golfersLoaded());

        QCOMPARE(entries(courses), (QStringList {"Pine", "Oak", "Pine"}));
        QCOMPARE(entries(players), (QStringList {"Jim", "Ann", "Jim"}));
        QCOMPARE(courses->currentText(), QStringLiteral("Select Course"));
        QCOMPARE(roster->currentText(), QStringLiteral("Select / Add Golfer"));
        QCOMPARE(players->currentText(), QStringLiteral("Select Golfer"));
    }

    void fillsPutANineOnTheCard_data()
    {
        QTest::addColumn<bool>("backNine");
        QTest::newRow("front") << false;
        QTest::newRow("back") << true;
    }
    void fillsPutANineOnTheCard()
    {
        QFETCH(bool, backNine);
        SharedState state;
        QStringList course
            = sampleCourse(QStringLiteral("Pine"), {3, 4, 5, 4, 4, 3, 5, 4, 4, 4, 4, 3, 5, 4, 4, 3, 5, 4});
        state.course_cache = {QStringList(), course};
        QWidget window;
        CardGrid card(CardGrid::Middle::EmptyBand, &window);
        backNine ? fill_back_card(card, state, 1) : fill_front_card(card, state, 1);

        const int first = backNine ? 10 : 1;
        for (int i = 0; i < 9; ++i) {
            QCOMPARE(cell(&window, cardArrayName("lblb1", i)), QString::number(300 + first + i));
            QCOMPARE(cell(&window, cardArrayName("lblp1", i)), course[holeIndex(first + i, Par)]);
            QCOMPARE(cell(&window, cardArrayName("lblh1", i)), QString::number(first + i));
        }
        const auto nineTotal = [&](Value v) { return course[backNine ? backTotalIndex(v) : frontTotalIndex(v)]; };
        QCOMPARE(cell(&window, QStringLiteral("lblby")), nineTotal(Blue));
        QCOMPARE(cell(&window, QStringLiteral("lblpf9")), nineTotal(Par));
        // Eighteen-hole totals are the two nines added, on either nine.
        QCOMPARE(cell(&window, QStringLiteral("lblbtot")), QString::number(300 * 18 + 171));
        QCOMPARE(cell(&window, QStringLiteral("lblptot")), QStringLiteral("72"));
    }

    void fillsShowStoredTextButSumItsNumber()
    {
        SharedState state;
        QStringList course = sampleCourse(QStringLiteral("Nine"), {}, false);
        course[holeIndex(1, Blue)] = QStringLiteral("n/a");
        course[frontTotalIndex(Blue)] = QStringLiteral("  3 100");
        course[frontTotalIndex(White)] = QStringLiteral("lots");
        state.course_cache = {course};
        QWidget window;
        CardGrid card(CardGrid::Middle::EmptyBand, &window);
        fill_front_card(card, state, 0);
        QCOMPARE(cell(&window, QStringLiteral("lblb1_0")), QStringLiteral("n/a"));
        QCOMPARE(cell(&window, QStringLiteral("lblby")), QStringLiteral("  3 100"));
        QCOMPARE(cell(&window, QStringLiteral("lblbtot")), QStringLiteral("3100"));
        QCOMPARE(cell(&window, QStringLiteral("lblwtot")), QStringLiteral("0"));
        // A nine-hole course: eighteen-hole par equals its front par.
        QCOMPARE(cell(&window, QStringLiteral("lblptot")), course[frontTotalIndex(Par)]);
    }
};

QTEST_MAIN(CourseCacheTest)
#include "tst_course_cache.moc"
