#include "core/records/course_layout.h"
#include "core/records/round_layout.h"
#include "core/rules/course_saving.h"
#include "core/rules/golfer_removal.h"
#include "core/rules/round_totals.h"
#include "core/scorebook/database_error.h"
#include "core/scorebook/datgolf.h"
#include "tests/core/test_scorebook.h"

#include <QtTest>

Q_DECLARE_METATYPE(GolferRemoval)

// The rules the score card, the course editor and the roster store by, over a real scorebook.
class RulesTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestScorebook> m_book;

    // One field of every row, in table order.
    QStringList column(const char *table, const QString &field) const
    {
        QStringList values;
        auto data = m_book->open(table);
        for (data->moveFirst(); !data->atEnd(); data->moveNext()) {
            values.append(data->field(field));
        }
        return values;
    }

    // A course record whose every hole value is its own index, so a misplaced field shows.
    static QStringList numberedCourse()
    {
        QStringList record;
        for (int index = 0; index < course_layout::Fields; ++index) {
            record.append(QString::number(index));
        }
        return record;
    }

    static QStringList names(const char *joined)
    {
        return QString::fromUtf8(joined).split(QLatin1Char('|'), Qt::SkipEmptyParts);
    }

private Q_SLOTS:
    void init() { m_book = std::make_unique<TestScorebook>(); }

    // Totals are added up hole by hole in whole strokes; a nine never overflows.
    void nineTotals_data()
    {
        QTest::addColumn<QStringList>("holes");
        QTest::addColumn<double>("sum");
        QTest::newRow("plain") << QStringList {"4", "5", "3", "", "0", "05"} << 17.0;
        QTest::newRow("leading number of odd text") << QStringList {"5x", "x5", " 6"} << 11.0;
        QTest::newRow("halves to the even neighbour") << QStringList {"2.5", "3.5"} << 6.0;
        QTest::newRow("nine boxes full of nines") << QStringList(9, QStringLiteral("999999999")) << 8999999991.0;
    }
    void nineTotals()
    {
        QFETCH(QStringList, holes);
        QFETCH(double, sum);
        QCOMPARE(nineSum(holes), sum);
    }

    // Each nine lands on its own holes; every total is recomputed from both nines.
    void storedNinesAndTheirTotals()
    {
        using namespace round_layout;
        QStringList record(Entries, QStringLiteral("0"));
        QCOMPARE(roundStrokes(record), 0.0);
        storeNine(record, {"4", "5", "4", "3", "5", "4", "4", "3", "5"}, QStringList(9, QStringLiteral("2")), false);
        storeNine(record, QStringList(9, QStringLiteral("4")), {"1", "", "3"}, true);
        storeNine(record, {"6"}, {}, false); // the front nine typed again
        QCOMPARE(record.value(holeEntry(Strokes, 1)), QStringLiteral("6"));
        QCOMPARE(record.value(holeEntry(Strokes, 2)), QString());
        QCOMPARE(record.value(holeEntry(Strokes, 10)), QStringLiteral("4"));
        QCOMPARE(record.value(holeEntry(Putts, 12)), QStringLiteral("3"));
        const QStringList totals
            = {record[frontTotalEntry(Strokes)], record[backTotalEntry(Strokes)], record[roundTotalEntry(Strokes)],
               record[frontTotalEntry(Putts)],   record[backTotalEntry(Putts)],   record[roundTotalEntry(Putts)]};
        QCOMPARE(totals, (QStringList {"6", "36", "42", "0", "4", "4"}));
        QCOMPARE(roundStrokes(record), 42.0);
    }

    void roundIsStoredFieldByField()
    {
        QStringList record(round_layout::Entries);
        for (int entry = 1; entry < round_layout::Entries; ++entry) {
            record[entry] = QStringLiteral("v%1").arg(entry);
        }
        auto rounds = m_book->open("rounds");
        storeRound(*rounds, record);
        auto stored = m_book->open("rounds");
        for (int entry = 1; entry < round_layout::Entries; ++entry) {
            QCOMPARE(stored->field(round_layout::fieldName(entry)), record[entry]);
        }
    }

    // Added courses keep their place; an emptied box is stored as 0.
    void addedCourseIsStoredFieldByField()
    {
        using namespace course_layout;
        QStringList record = numberedCourse();
        record[holeIndex(18, Red)] = QString();
        auto courses = m_book->open("courseinfo");
        course_saving::addCourse(*courses, record, QStringLiteral("Oak Ridge"), false, 7);
        auto stored = m_book->open("courseinfo");
        QCOMPARE(stored->field(fieldName(Id)), QStringLiteral("7"));
        QCOMPARE(stored->field(fieldName(Name)), QStringLiteral("Oak Ridge"));
        QCOMPARE(stored->field(fieldName(Size)), QStringLiteral("False"));
        for (int index = Size + 1; index < Fields; ++index) {
            const QString expected = index == holeIndex(18, Red) ? QStringLiteral("0") : record[index];
            QCOMPARE(stored->field(fieldName(index)), expected);
        }
    }

    // The later of two namesakes (letter case ignored) is rewritten under the name as given;
    // a name not stored writes nothing.
    void updateRewritesOneCourse_data()
    {
        QTest::addColumn<QStringList>("stored");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("rewritten"); // -1: none
        QTest::newRow("later namesake") << names("Pine|Oak|PINE") << "Pine" << 2;
        QTest::newRow("not stored") << names("Pine") << "Pin" << -1;
    }
    void updateRewritesOneCourse()
    {
        using namespace course_layout;
        QFETCH(QStringList, stored);
        QFETCH(QString, name);
        QFETCH(int, rewritten);
        addNamed(*m_book->open("courseinfo"), fieldName(Name), stored);
        auto courses = m_book->open("courseinfo");
        QCOMPARE(course_saving::updateCourse(*courses, numberedCourse(), name, true), rewritten >= 0);
        QStringList expectedNames = stored;
        QStringList expectedPars(stored.size());
        if (rewritten >= 0) {
            expectedNames[rewritten] = name;
            expectedPars[rewritten] = QString::number(holeIndex(1, Par));
        }
        QCOMPARE(column("courseinfo", fieldName(Name)), expectedNames);
        QCOMPARE(column("courseinfo", fieldName(holeIndex(1, Par))), expectedPars);
    }

    void refusedCourseStoresNothing()
    {
        m_book->database().exec(
            "CREATE TRIGGER refuse BEFORE INSERT ON courseinfo BEGIN SELECT RAISE(ABORT, 'no room'); END");
        auto courses = m_book->open("courseinfo");
        QVERIFY_THROWS_EXCEPTION(DatabaseError, course_saving::addCourse(*courses, numberedCourse(), "Birch", true, 0));
        QCOMPARE(m_book->open("courseinfo")->recordCount(), 0);
    }

    // Rounds go with the golfer, matched without blanks around and by one-for-one capitals,
    // unless another golfer of the same name remains.
    void golferRemoval_data()
    {
        QTest::addColumn<QStringList>("golfers");
        QTest::addColumn<QStringList>("rounds");
        QTest::addColumn<QString>("toDelete");
        QTest::addColumn<GolferRemoval>("outcome");
        QTest::addColumn<QStringList>("golfersLeft");
        QTest::addColumn<QStringList>("roundsLeft");
        const auto row = [](const char *name, const char *golfers, const char *rounds, const char *toDelete,
                            GolferRemoval outcome, const char *golfersLeft, const char *roundsLeft) {
            QTest::newRow(name) << names(golfers) << names(rounds) << QString::fromUtf8(toDelete) << outcome
                                << names(golfersLeft) << names(roundsLeft);
        };
        using R = GolferRemoval;
        row("case and blanks", "Jim|Ann", "Jim|JIM|Jim | jim|Ann|Jimmy", "jim", R::RemovedWithRounds, "Ann",
            "Ann|Jimmy");
        row("not found", "Jim", "Jim", "Jim ", R::NotFound, "Jim", "Jim");
        row("later of two", "Jim|Ann|JIM", "Jim", "Jim", R::RemovedKeptRounds, "Jim|Ann", "Jim");
        row("quote and wildcards", "O'B%|O'Bx", "O'Bx|O'B%", "O'B%", R::RemovedWithRounds, "O'Bx", "O'Bx");
        row("sharp s", "Strauß|STRAUSS", "Strauß|STRAUSS", "Strauß", R::RemovedWithRounds, "STRAUSS", "STRAUSS");
        row("ligature", "ﬁsh|FISH", "ﬁsh|FISH", "FISH", R::RemovedWithRounds, "ﬁsh", "ﬁsh");
        row("dotless i", "Kim", "kım|Kim|Kimi", "Kim", R::RemovedWithRounds, "", "Kimi");
    }
    void golferRemoval()
    {
        QFETCH(QStringList, golfers);
        QFETCH(QStringList, rounds);
        QFETCH(QString, toDelete);
        QFETCH(GolferRemoval, outcome);
        QFETCH(QStringList, golfersLeft);
        QFETCH(QStringList, roundsLeft);
        const QString name = QStringLiteral("golfer_name");
        addNamed(*m_book->open("golfers"), name, golfers);
        addNamed(*m_book->open("rounds"), name, rounds);
        QCOMPARE(removeGolfer(*m_book->open("golfers"), toDelete), outcome);
        QCOMPARE(column("golfers", name), golfersLeft);
        QCOMPARE(column("rounds", name), roundsLeft);
    }

    // Without its rounds table the golfer stays too.
    void refusedRemovalDeletesNothing()
    {
        addNamed(*m_book->open("golfers"), QStringLiteral("golfer_name"), {QStringLiteral("Jim")});
        m_book->database().exec("ALTER TABLE rounds RENAME TO rounds_elsewhere");
        QVERIFY_THROWS_EXCEPTION(DatabaseError, removeGolfer(*m_book->open("golfers"), QStringLiteral("Jim")));
        QCOMPARE(column("golfers", QStringLiteral("golfer_name")), QStringList {"Jim"});
    }
};

QTEST_GUILESS_MAIN(RulesTest)
#include "tst_rules.moc"
