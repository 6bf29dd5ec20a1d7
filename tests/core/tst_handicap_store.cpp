#include "core/handicap/handicap_source.h"
#include "core/handicap/handicap_store.h"
#include "core/handicap/played_on_text.h"
#include "core/handicap/rating_entry.h"
#include "core/scorebook/database_error.h"
#include "tests/core/test_scorebook.h"

#include <QtTest>

using namespace handicap;

// The handicap's inputs read from a scorebook, its own tables written, and the texts typed for them.
class HandicapStoreTest : public QObject
{
    Q_OBJECT

private:
    static QStringList ratingTexts(const std::vector<RatedTee> &ratings)
    {
        QStringList texts;
        for (const RatedTee &rating : ratings) {
            texts.append(QStringLiteral("%1 %2/%3").arg(rating.tee).arg(rating.courseRatingTenths).arg(rating.slope));
        }
        texts.sort();
        return texts;
    }

    // Each round read as "record number: tee day pcc", or "record number:" without details.
    static QStringList roundTexts(const HandicapInputs &inputs)
    {
        QStringList texts;
        for (const Round &round : inputs.rounds) {
            QString text = QStringLiteral("%1:").arg(round.recordNo);
            if (const auto &details = round.details) {
                const QString day = playedOnText(details->playedOn);
                text += QStringLiteral(" %1 %2 %3").arg(details->tee, day).arg(details->pcc);
            }
            texts.append(text);
        }
        return texts;
    }

private Q_SLOTS:
    void playedOn_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QDate>("day"); // invalid: refused
        const auto row = [](const char *name, const char *locale, const char *text, const QDate &day = {}) {
            QTest::newRow(name) << QString(locale) << QString(text) << day;
        };
        row("iso with blanks", "de_DE", " 2026-06-12 ", QDate(2026, 6, 12));
        row("us short", "en_US", "6/12/26", QDate(2026, 6, 12));
        row("us four-digit year", "en_US", "5/30/2026", QDate(2026, 5, 30));
        row("last century", "en_US", "6/12/98", QDate(1998, 6, 12));
        row("german short", "de_DE", "12.06.26", QDate(2026, 6, 12));
        row("us order in german", "de_DE", "6/12/26");
        row("c locale: month/day/year", "C", "6/12/26", QDate(2026, 6, 12));
        row("no such day", "en_US", "2/30/26");
        row("trailing text", "en_US", "6/12/26x");
    }
    void playedOn()
    {
        QFETCH(QString, locale);
        QFETCH(QString, text);
        QFETCH(QDate, day);
        const auto parsed = playedOnFromText(text, QLocale(locale), QDate(2026, 12, 7));
        QCOMPARE(parsed.value_or(QDate()), day);
    }

    void ratingEntry_data()
    {
        QTest::addColumn<QString>("rating");
        QTest::addColumn<QString>("slope");
        QTest::addColumn<QString>("stored"); // "tee tenths/slope", "" for no rating
        QTest::addColumn<QString>("problem"); // a word of the message, "" for none
        const auto row
            = [](const char *name, const char *rating, const char *slope, const char *stored, const char *problem) {
                  QTest::newRow(name) << QString(rating) << QString(slope) << QString(stored) << QString(problem);
              };
        row("both empty", "", " ", "", "");
        row("whole rating", " 70 ", "113", "blue 700/113", "");
        row("lowest", "40.0", "55", "blue 400/55", "");
        row("highest", "90", "155", "blue 900/155", "");
        row("two decimals", "71.35", "128", "", "course rating");
        row("rating too low", "39.9", "128", "", "course rating");
        row("rating too high", "90.1", "128", "", "course rating");
        row("slope too low", "71.3", "54", "", "slope rating");
        row("slope too high", "71.3", "156", "", "slope rating");
        row("slope fraction", "71.3", "12.5", "", "slope rating");
        row("slope alone", "", "128", "", "both");
        row("rating alone", "71.3", "", "", "both");
    }
    void ratingEntry()
    {
        QFETCH(QString, rating);
        QFETCH(QString, slope);
        QFETCH(QString, stored);
        QFETCH(QString, problem);
        const RatingEntry entry = readRatingEntry("Oak Links", tees[0], rating, slope);
        QCOMPARE(entry.rating ? ratingTexts({*entry.rating}).first() : QString(), stored);
        QCOMPARE(entry.problem.isEmpty(), problem.isEmpty());
        QVERIFY2(entry.problem.contains(problem) && (problem.isEmpty() || entry.problem.contains("Blue")),
                 qPrintable(entry.problem));
    }

    // A course's ratings are found by its trimmed name, and replaced whole or not at all.
    void ratingsAreStoredExactlyAndReplacedWholeOrNotAtAll()
    {
        TestScorebook book;
        book.addRating("Pat's Oak", "white", 70.1, 120);
        book.addRating("Pat", "white", 69.0, 110);
        storeCourseRatings(book.database(), "Pat's Oak ",
                           {{"Pat's Oak", "blue", 733, 135}, {"Pat's Oak", "white", 713, 128}});
        QCOMPARE(ratingTexts(readCourseRatings(book.database(), " Pat's Oak ")),
                 (QStringList {"blue 733/135", "white 713/128"}));

        // Two ratings of one tee break the table's key half-way through the write: nothing changes.
        QVERIFY_THROWS_EXCEPTION(
            DatabaseError,
            storeCourseRatings(book.database(), "Pat's Oak",
                               {{"Pat's Oak", "blue", 690, 118}, {"Pat's Oak", "blue", 691, 119}}));
        QCOMPARE(ratingTexts(readCourseRatings(book.database(), "Pat's Oak")),
                 (QStringList {"blue 733/135", "white 713/128"}));

        storeCourseRatings(book.database(), "Pat's Oak", {});
        QVERIFY(readCourseRatings(book.database(), "Pat's Oak").empty());
        QCOMPARE(ratingTexts(readCourseRatings(book.database(), "Pat")), QStringList {"white 690/110"});
    }

    void aScorebookWithoutTheNewTablesHasNoDetailsOrRatingsAndRefusesThem()
    {
        TestScorebook book(false);
        book.addCourse("Oak Links");
        book.addRound("Anne Lee", "Oak Links", 85);

        const HandicapInputs inputs = readHandicapInputs(book.database(), "Anne Lee");

        QCOMPARE(inputs.rounds.size(), std::size_t(1));
        QVERIFY(!inputs.rounds[0].details);
        QVERIFY(inputs.ratedTees.empty());
        QCOMPARE(scorebookProblem(book.database()), QString());
        QVERIFY(readCourseRatings(book.database(), "Oak Links").empty());
        QVERIFY_THROWS_EXCEPTION(DatabaseError,
                                 storeCourseRatings(book.database(), "Oak Links", {{"Oak Links", "white", 713, 128}}));
    }

    // A golfer's rounds are those stored under the name without blanks around (which stored names
    // match is the record set's test); a name is bound, so a quote in it is harmless. Details typed
    // later fill in the rounds without them.
    void coursesRoundsDetailsAndRatingsAsStored()
    {
        TestScorebook book;
        book.addCourse(" Oak Links ");
        book.addCourse("Short Nine");
        book.database().exec("UPDATE courseinfo SET course_size = '-1', h1 = '18' WHERE course_name = ' Oak Links '");
        book.database().exec("UPDATE courseinfo SET course_size = 'False' WHERE course_name = 'Short Nine'");
        QStringList strokes = strokesText(85);
        strokes[6] = " 1 0"; // hole values follow the leading number rule
        const qint64 round = book.addRound("Anne Lee", "Oak Links ", strokes);
        book.addDetails(round, "White", "2024-05-01", 2);
        book.addRating("Oak Links", "white", 71.3, 128);
        const qint64 padded = book.addRound("  Anne Lee ", "Oak Links", 90);
        book.addDetails(padded, "white", "2024-02-30");
        book.addGolfer("Pat O'Brien");
        book.addRound("Pat O'Brien", "Oak Links", 80);

        const HandicapInputs inputs = readHandicapInputs(book.database(), " Anne Lee");

        // The tee in small letters; 30 February is no day.
        QCOMPARE(roundTexts(inputs), (QStringList {"1: white 2024-05-01 2", "2: white  0"}));
        QCOMPARE(inputs.courses.size(), std::size_t(2));
        QCOMPARE(inputs.courses[0].name, QStringLiteral("Oak Links"));
        QVERIFY(inputs.courses[0].eighteenHoles);
        QCOMPARE(inputs.courses[0].strokeIndex[0], 18);
        QVERIFY(!inputs.courses[1].eighteenHoles);
        const Round &read = inputs.rounds.at(0);
        QCOMPARE(read.course, QStringLiteral("Oak Links"));
        QCOMPARE(read.strokes[6], 10);
        // 71.3 is read as written, not as 712 from 71.29999...
        QCOMPARE(ratingTexts(inputs.ratedTees), QStringList {"white 713/128"});
        QVERIFY(hasGolfer(book.database(), "Pat O'Brien "));
        QCOMPARE(roundTexts(readHandicapInputs(book.database(), "Pat O'Brien")), QStringList {"3:"});

        // Details fill in a round without them, and replace those there.
        const qint64 bare = book.addRound(" Anne Lee ", "Oak Links ", 84);
        const std::vector<UndetailedRound> missing = roundsWithoutDetails(book.database(), "Anne Lee");
        QCOMPARE(missing.size(), std::size_t(1));
        QCOMPARE(missing[0].recordNo, bare);
        QCOMPARE(missing[0].course, QStringLiteral("Oak Links"));
        storeRoundDetails(book.database(),
                          {{bare, {"blue", QDate(2025, 5, 30), 2}}, {round, {"red", QDate(2026, 1, 3), -1}}});
        QVERIFY(roundsWithoutDetails(book.database(), "Anne Lee").empty());
        QCOMPARE(roundTexts(readHandicapInputs(book.database(), "Anne Lee")),
                 (QStringList {"1: red 2026-01-03 -1", "2: white  0", "4: blue 2025-05-30 2"}));
    }
};

QTEST_GUILESS_MAIN(HandicapStoreTest)
#include "tst_handicap_store.moc"
