#include "core/handicap/handicap_source.h"
#include "core/handicap/handicap_store.h"
#include "core/handicap/played_on_text.h"
#include "core/handicap/rating_entry.h"
#include "core/handicap/tee_course_handicap.h"
#include "core/scorebook/database_error.h"
#include "tests/core/test_scorebook.h"

#include <QtTest>

#include <SQLiteCpp/Statement.h>

using namespace handicap;

// The handicap's own tables written and read, and the texts typed for them.
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

private Q_SLOTS:
    void playedOn_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QDate>("day"); // invalid: refused

        QTest::newRow("iso") << "en_US"
                             << "2026-06-12" << QDate(2026, 6, 12);
        QTest::newRow("iso with blanks") << "de_DE"
                                         << " 2026-06-12 " << QDate(2026, 6, 12);
        QTest::newRow("us short") << "en_US"
                                  << "6/12/26" << QDate(2026, 6, 12);
        QTest::newRow("us four-digit year") << "en_US"
                                            << "5/30/2026" << QDate(2026, 5, 30);
        QTest::newRow("last century") << "en_US"
                                      << "6/12/98" << QDate(1998, 6, 12);
        QTest::newRow("german short") << "de_DE"
                                      << "12.06.26" << QDate(2026, 6, 12);
        QTest::newRow("german four-digit year") << "de_DE"
                                                << "12.06.2026" << QDate(2026, 6, 12);
        QTest::newRow("us order in german") << "de_DE"
                                            << "6/12/26" << QDate();
        QTest::newRow("c locale: month/day/year") << "C"
                                                  << "6/12/26" << QDate(2026, 6, 12);
        QTest::newRow("no such day") << "en_US"
                                     << "2/30/26" << QDate();
        QTest::newRow("no such iso day") << "en_US"
                                         << "2026-02-30" << QDate();
        QTest::newRow("words") << "en_US"
                               << "yesterday" << QDate();
        QTest::newRow("empty") << "en_US"
                               << "" << QDate();
        QTest::newRow("trailing text") << "en_US"
                                       << "6/12/26x" << QDate();
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
        QTest::addColumn<QString>("stored"); // "tenths/slope", "" for no rating
        QTest::addColumn<QString>("problem"); // a word of the message, "" for none

        QTest::newRow("both empty") << ""
                                    << " "
                                    << ""
                                    << "";
        QTest::newRow("rated") << "71.3"
                               << "128"
                               << "713/128"
                               << "";
        QTest::newRow("whole rating") << " 70 "
                                      << "113"
                                      << "700/113"
                                      << "";
        QTest::newRow("lowest") << "40.0"
                                << "55"
                                << "400/55"
                                << "";
        QTest::newRow("highest") << "90"
                                 << "155"
                                 << "900/155"
                                 << "";
        QTest::newRow("two decimals") << "71.35"
                                      << "128"
                                      << ""
                                      << "course rating";
        QTest::newRow("comma") << "71,3"
                               << "128"
                               << ""
                               << "course rating";
        QTest::newRow("rating too low") << "39.9"
                                        << "128"
                                        << ""
                                        << "course rating";
        QTest::newRow("rating too high") << "90.1"
                                         << "128"
                                         << ""
                                         << "course rating";
        QTest::newRow("not a number") << "abc"
                                      << "128"
                                      << ""
                                      << "course rating";
        QTest::newRow("slope too low") << "71.3"
                                       << "54"
                                       << ""
                                       << "slope rating";
        QTest::newRow("slope too high") << "71.3"
                                        << "156"
                                        << ""
                                        << "slope rating";
        QTest::newRow("slope fraction") << "71.3"
                                        << "12.5"
                                        << ""
                                        << "slope rating";
        QTest::newRow("slope alone") << ""
                                     << "128"
                                     << ""
                                     << "both";
        QTest::newRow("rating alone") << "71.3"
                                      << ""
                                      << ""
                                      << "both";
    }
    void ratingEntry()
    {
        QFETCH(QString, rating);
        QFETCH(QString, slope);
        QFETCH(QString, stored);
        QFETCH(QString, problem);
        const RatingEntry entry = readRatingEntry("Oak Links", tees[0], rating, slope);
        QCOMPARE(entry.rating ? QStringLiteral("%1/%2").arg(entry.rating->courseRatingTenths).arg(entry.rating->slope)
                              : QString(),
                 stored);
        QCOMPARE(entry.problem.isEmpty(), problem.isEmpty());
        QVERIFY2(entry.problem.contains(problem) && (problem.isEmpty() || entry.problem.contains("Blue")),
                 qPrintable(entry.problem));
        if (entry.rating) {
            QCOMPARE(entry.rating->tee, QStringLiteral("blue"));
            QCOMPARE(entry.rating->course, QStringLiteral("Oak Links"));
        }
    }

    void ratingsAreStoredExactlyAndReplacedWhole()
    {
        TestScorebook book;
        book.addCourse("Oak Links");
        storeCourseRatings(book.database(), "Oak Links",
                           {{"Oak Links", "blue", 733, 135}, {"Oak Links", "white", 713, 128}});
        QCOMPARE(ratingTexts(readCourseRatings(book.database(), " Oak Links ")),
                 (QStringList {"blue 733/135", "white 713/128"}));

        storeCourseRatings(book.database(), "Oak Links", {{"Oak Links", "red", 689, 118}});
        QCOMPARE(ratingTexts(readCourseRatings(book.database(), "Oak Links")), QStringList {"red 689/118"});
        // The index reads what the editor stored, to the tenth.
        const HandicapInputs inputs = readHandicapInputs(book.database(), "nobody");
        QCOMPARE(inputs.ratedTees.size(), std::size_t(1));
        QCOMPARE(inputs.ratedTees[0].courseRatingTenths, 689);

        storeCourseRatings(book.database(), "Oak Links", {});
        QVERIFY(readCourseRatings(book.database(), "Oak Links").empty());
    }

    void ratingsBelongToOneCourseByItsTrimmedName()
    {
        TestScorebook book;
        book.addRating("Pat's Oak", "white", 70.1, 120);
        book.addRating("Pat", "white", 69.0, 110);
        storeCourseRatings(book.database(), "Pat's Oak ", {{"Pat's Oak", "blue", 720, 130}});
        QCOMPARE(ratingTexts(readCourseRatings(book.database(), "Pat's Oak")), QStringList {"blue 720/130"});
        QCOMPARE(ratingTexts(readCourseRatings(book.database(), "Pat")), QStringList {"white 690/110"});
        SQLite::Statement stored(book.database(), "SELECT course_name FROM tee_ratings WHERE tee = 'blue'");
        QVERIFY(stored.executeStep());
        QCOMPARE(QString::fromStdString(stored.getColumn(0).getString()), QStringLiteral("Pat's Oak "));
    }

    void aRefusedRatingChangesNothing()
    {
        TestScorebook book;
        storeCourseRatings(book.database(), "Oak Links", {{"Oak Links", "white", 713, 128}});
        // Two ratings of one tee break the table's key half-way through the write.
        QVERIFY_THROWS_EXCEPTION(DatabaseError,
                                 storeCourseRatings(book.database(), "Oak Links",
                                                    {{"Oak Links", "red", 690, 118}, {"Oak Links", "red", 691, 119}}));
        QCOMPARE(ratingTexts(readCourseRatings(book.database(), "Oak Links")), QStringList {"white 713/128"});
    }

    void withoutTheTablesThereAreNoRatingsAndWritesAreRefused()
    {
        TestScorebook book(false);
        QVERIFY(readCourseRatings(book.database(), "Oak Links").empty());
        QVERIFY_THROWS_EXCEPTION(DatabaseError,
                                 storeCourseRatings(book.database(), "Oak Links", {{"Oak Links", "white", 713, 128}}));
    }

    void detailsFillInTheRoundsWithoutThem()
    {
        TestScorebook book;
        const qint64 first = book.addRound("Anne Lee", "Oak Links", 80);
        const qint64 second = book.addRound(" Anne Lee ", "Oak Links", 82);
        book.addRound("Bob", "Oak Links", 90);
        const qint64 detailed = book.addRound("Anne Lee", "Oak Links", 84);
        book.addDetails(detailed, "white", "2026-01-02");

        const std::vector<UndetailedRound> missing = roundsWithoutDetails(book.database(), "Anne Lee");
        QCOMPARE(missing.size(), std::size_t(2));
        QCOMPARE(missing[0].recordNo, first);
        QCOMPARE(missing[1].recordNo, second);
        QCOMPARE(missing[0].course, QStringLiteral("Oak Links"));

        storeRoundDetails(book.database(),
                          {{first, {"blue", QDate(2025, 5, 30), 2}}, {detailed, {"red", QDate(2026, 1, 3), -1}}});
        QCOMPARE(roundsWithoutDetails(book.database(), "Anne Lee").size(), std::size_t(1));
        const HandicapInputs inputs = readHandicapInputs(book.database(), "Anne Lee");
        QCOMPARE(inputs.rounds[0].details->tee, QStringLiteral("blue"));
        QCOMPARE(inputs.rounds[0].details->playedOn, QDate(2025, 5, 30));
        QCOMPARE(inputs.rounds[0].details->pcc, 2);
        QCOMPARE(inputs.rounds[2].details->tee, QStringLiteral("red")); // replaced
        QCOMPARE(inputs.rounds[2].details->pcc, -1);
    }

    void courseHandicapOfATee_data()
    {
        QTest::addColumn<int>("index"); // tenths; -999: none
        QTest::addColumn<QString>("tee");
        QTest::addColumn<QString>("shown"); // "": none

        QTest::newRow("rated tee") << 124 << "white"
                                   << "13"; // 12.4 x 128 / 113 + (71.3 - 72) = 13.35
        QTest::newRow("plus index") << -30 << "blue"
                                    << "+5"; // -3.0 x 130 / 113 + (70.0 - 72) = -5.45
        QTest::newRow("no index") << -999 << "white"
                                  << "";
        QTest::newRow("unrated tee") << 124 << "red"
                                     << "";
    }
    void courseHandicapOfATee()
    {
        QFETCH(int, index);
        QFETCH(QString, tee);
        QFETCH(QString, shown);
        const std::vector<RatedTee> ratings = {{"Oak", "white", 713, 128}, {"Oak", "blue", 700, 130}};
        const auto handicap
            = teeCourseHandicap(index == -999 ? std::nullopt : std::optional<int>(index), ratings, tee, 72);
        QCOMPARE(handicap ? courseHandicapText(*handicap) : QString(), shown);
    }
};

QTEST_GUILESS_MAIN(HandicapStoreTest)
#include "tst_handicap_store.moc"
