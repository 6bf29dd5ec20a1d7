#include "core/handicap/handicap_source.h"
#include "tests/core/test_scorebook.h"

#include <QtTest>

using namespace handicap;

// Reading one golfer's rounds, the courses and the ratings from a scorebook file.
class HandicapSourceTest : public QObject
{
    Q_OBJECT

private:
    static QList<qint64> recordNumbers(const HandicapInputs &inputs)
    {
        QList<qint64> numbers;
        for (const Round &round : inputs.rounds) {
            numbers.append(round.recordNo);
        }
        return numbers;
    }

private Q_SLOTS:
    void roundsBelongToTheTrimmedNameExactly()
    {
        TestScorebook book;
        const qint64 plain = book.addRound("Anne Lee", "Oak Links", 80);
        const qint64 padded = book.addRound("  Anne Lee ", "Oak Links", 81);
        book.addRound("anne lee", "Oak Links", 82);
        book.addRound("Anne  Lee", "Oak Links", 83);
        book.addRound("Anne Lee\t", "Oak Links", 84); // only blanks are removed

        QCOMPARE(recordNumbers(readHandicapInputs(book.database(), " Anne Lee")), (QList<qint64> {plain, padded}));
    }

    void aNameWithAQuoteIsBoundNotPasted()
    {
        TestScorebook book;
        book.addGolfer("Pat O'Brien");
        const qint64 round = book.addRound("Pat O'Brien", "Oak Links", 80);

        QVERIFY(hasGolfer(book.database(), "Pat O'Brien "));
        QVERIFY(!hasGolfer(book.database(), "Pat O"));
        QCOMPARE(recordNumbers(readHandicapInputs(book.database(), "Pat O'Brien")), QList<qint64> {round});
    }

    void holeValuesByTheLeadingNumberRule()
    {
        TestScorebook book;
        QStringList holes(18, QStringLiteral("4"));
        holes[6] = " 1 0";
        holes[7] = "5x";
        holes[8] = "x5";
        book.addRound("Anne Lee", "Oak Links", holes);

        const Round &read = readHandicapInputs(book.database(), "Anne Lee").rounds.at(0);

        QCOMPARE(read.strokes[6], 10);
        QCOMPARE(read.strokes[7], 5);
        QCOMPARE(read.strokes[8], 0);
        QCOMPARE(read.pars[6], 4);
    }

    void coursesDetailsAndRatingsAsStored()
    {
        TestScorebook book;
        QStringList strokeIndex;
        for (int hole = 18; hole >= 1; --hole) {
            strokeIndex.append(QString::number(hole));
        }
        book.addCourse(" Oak Links ", "-1", strokeIndex);
        book.addCourse("Short Nine", "False", QStringList(18, QStringLiteral("0")));
        const qint64 round = book.addRound("Anne Lee", "Oak Links ", 85);
        book.addDetails(round, "White", "2024-05-01", 2);
        book.addRating("Oak Links", "white", 71.3, 128);
        book.addRating("Oak Links", "blue", 72.35, 131);
        book.addDetails(book.addRound("Anne Lee", "Oak Links", 90), "white", "2024-02-30");

        const HandicapInputs inputs = readHandicapInputs(book.database(), "Anne Lee");

        QCOMPARE(inputs.courses.size(), std::size_t(2));
        QCOMPARE(inputs.courses[0].name, QStringLiteral("Oak Links"));
        QVERIFY(inputs.courses[0].eighteenHoles);
        QCOMPARE(inputs.courses[0].strokeIndex[0], 18);
        QVERIFY(!inputs.courses[1].eighteenHoles);
        const Round &read = inputs.rounds.at(0);
        QCOMPARE(read.course, QStringLiteral("Oak Links"));
        QVERIFY(read.details);
        QCOMPARE(read.details->tee, QStringLiteral("white"));
        QCOMPARE(read.details->playedOn, QDate(2024, 5, 1));
        QCOMPARE(read.details->pcc, 2);
        QVERIFY(inputs.rounds.at(1).details && !inputs.rounds.at(1).details->playedOn.isValid()); // 30 February
        QCOMPARE(inputs.ratedTees.size(), std::size_t(2));
        const auto rating = [&inputs](const QString &tee) {
            return std::find_if(inputs.ratedTees.begin(), inputs.ratedTees.end(),
                                [&tee](const RatedTee &t) { return t.tee == tee; });
        };
        QCOMPARE(rating("white")->courseRatingTenths, 713); // not 712 from 71.29999...
        QCOMPARE(rating("white")->slope, 128);
        QCOMPARE(rating("blue")->courseRatingTenths, 724); // 72.35 as written, half away from zero
    }


    void aScorebookWithoutTheNewTablesHasNoDetailsOrRatings()
    {
        TestScorebook book(false);
        book.addCourse("Oak Links");
        book.addRound("Anne Lee", "Oak Links", 85);

        const HandicapInputs inputs = readHandicapInputs(book.database(), "Anne Lee");

        QCOMPARE(inputs.rounds.size(), std::size_t(1));
        QVERIFY(!inputs.rounds[0].details);
        QVERIFY(inputs.ratedTees.empty());
        QCOMPARE(scorebookProblem(book.database()), QString());
    }
};

QTEST_GUILESS_MAIN(HandicapSourceTest)
#include "tst_handicap_source.moc"
