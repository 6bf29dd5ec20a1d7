#include "card/card_fill.h"
#include "card/card_grid.h"
#include "core/records/course_cache.h"
#include "core/records/course_layout.h"
#include "core/records/resets.h"
#include "core/scorebook/datgolf.h"
#include "tests/support/test_program.h"
#include "ui/list_loaders.h"
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
        QComboBox list;
        list.setEditable(true);
        program.context.pickLists.registerCourseList(PickLists::ScoreCard, &list);
        load_course_lists(program.context.state, program.context.pickLists);
        QCOMPARE(list.count(), 0);
        QCOMPARE(list.currentText(), QStringLiteral("Select Course"));
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

        QComboBox list;
        program.context.pickLists.registerCourseList(PickLists::CourseViewer, &list);
        load_course_lists(program.context.state, program.context.pickLists);
        QCOMPARE(list.count(), 53);
        QCOMPARE(list.itemText(50), QStringLiteral("Course 50"));
    }

    void loadersFillEveryListInOrderWithPrompts()
    {
        TestProgram program;
        for (const char *name : {"Pine", "Oak", "Pine"}) {
            program.addCourse(sampleCourse(QString::fromLatin1(name), {}));
        }
        for (const char *name : {"Jim", "Ann", "Jim"}) {
            program.addGolfer(QString::fromLatin1(name));
        }
        loadCache(program);
        QComboBox courseLists[PickLists::CourseListCount];
        QComboBox golferLists[PickLists::GolferListCount];
        for (int i = 0; i < PickLists::CourseListCount; ++i) {
            courseLists[i].setEditable(true);
            program.context.pickLists.registerCourseList(PickLists::CourseList(i), &courseLists[i]);
        }
        for (int i = 0; i < PickLists::GolferListCount; ++i) {
            golferLists[i].setEditable(true);
            program.context.pickLists.registerGolferList(PickLists::GolferList(i), &golferLists[i]);
        }
        // Filling twice leaves each name once.
        load_course_lists(program.context.state, program.context.pickLists);
        load_course_lists(program.context.state, program.context.pickLists);
        auto golfers = program.open(QStringLiteral("golfers"));
        load_golfer_lists(*golfers, program.context.pickLists);
        QVERIFY(golfers->atEnd());

        for (auto &list : courseLists) {
            QCOMPARE(entries(&list), (QStringList {"Pine", "Oak", "Pine"}));
            QCOMPARE(list.currentText(), QStringLiteral("Select Course"));
        }
        for (auto &list : golferLists) {
            QCOMPARE(entries(&list), (QStringList {"Jim", "Ann", "Jim"}));
        }
        QCOMPARE(golferLists[PickLists::Roster].currentText(), QStringLiteral("Select / Add Golfer"));
        QCOMPARE(golferLists[PickLists::ScoreCardGolfers].currentText(), QStringLiteral("Select Golfer"));
        QCOMPARE(golferLists[PickLists::StatisticsGolfers].currentText(), QStringLiteral("Select Golfer"));
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
