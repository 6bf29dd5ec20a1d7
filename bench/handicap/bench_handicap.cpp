#include "bench/bench_timing.h"
#include "bench/handicap/handicap_window_timing.h"
#include "core/handicap/handicap_computation.h"
#include "core/handicap/handicap_source.h"
#include "core/handicap/handicap_tables.h"

#include <QApplication>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Statement.h>
#include <SQLiteCpp/Transaction.h>

#include <string>

// The index of a golfer with 1,000 counted rounds: computed from typed rounds
// (target under 20 ms) against sorting the same rounds by day, and read from a
// scorebook of a club's size against a plain SQL scan of that golfer's rounds;
// then the handicap window opened for a golfer of a club-size scorebook
// (target under 100 ms) against an empty window shown.
//
// bench_handicap [CLUB_SCOREBOOK]: the club-size scorebook is copied, never
// changed; without one it is generated (200 courses, 5,000 golfers, 1,000,000 rounds).

namespace {

using namespace handicap;

constexpr int countedRounds = 1000;
constexpr int otherRounds = 100000;
const QString golfer = QStringLiteral("Golfer 1");
const QString course = QStringLiteral("Course 1");

HoleValues randomStrokes(QRandomGenerator &random)
{
    HoleValues strokes;
    for (int &hole : strokes) {
        hole = 3 + int(random.bounded(5));
    }
    return strokes;
}

HandicapInputs typedInputs(QRandomGenerator &random)
{
    HandicapInputs inputs;
    Course oak {course, true, {}};
    for (int hole = 0; hole < holeCount; ++hole) {
        oak.strokeIndex[hole] = hole + 1;
    }
    inputs.courses.push_back(oak);
    inputs.ratedTees.push_back({course, QStringLiteral("white"), 713, 128});
    HoleValues pars;
    pars.fill(4);
    for (int r = 0; r < countedRounds; ++r) {
        inputs.rounds.push_back({r + 1, golfer, course, randomStrokes(random), pars,
                                 RoundDetails {QStringLiteral("white"), QDate(2020, 1, 1).addDays(r * 2), 0}});
    }
    return inputs;
}

std::string holeList(const char *prefix)
{
    std::string list;
    for (int hole = 1; hole <= holeCount; ++hole) {
        list += std::string(hole > 1 ? ", " : "") + prefix + std::to_string(hole);
    }
    return list;
}

// The golfer's rounds among many of other golfers, every one with details.
void writeScorebook(const QString &path, const HandicapInputs &inputs, QRandomGenerator &random)
{
    SQLite::Database book(path.toStdString(), SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE);
    book.exec("CREATE TABLE courseinfo (course_id INTEGER, course_name TEXT, course_size BOOLEAN, " + holeList("h")
              + ", " + holeList("p") + ")");
    book.exec("CREATE TABLE golfers (golfer_name TEXT)");
    book.exec("CREATE TABLE rounds (record_no INTEGER PRIMARY KEY AUTOINCREMENT, golfer_name TEXT, course_name TEXT, "
              "date TEXT, "
              + holeList("h") + ", " + holeList("p") + ")");
    book.exec(handicapTablesSql());
    SQLite::Transaction writing(book);
    std::string marks;
    for (int i = 0; i < 2 * holeCount; ++i) {
        marks += ", ?";
    }
    SQLite::Statement addCourse(book,
                                "INSERT INTO courseinfo (course_id, course_name, course_size, " + holeList("h") + ", "
                                    + holeList("p") + ") VALUES (0, ?, 'True'" + marks + ")");
    addCourse.bind(1, course.toStdString());
    for (int hole = 0; hole < holeCount; ++hole) {
        addCourse.bind(2 + hole, hole + 1);
        addCourse.bind(2 + holeCount + hole, 4);
    }
    addCourse.exec();
    book.exec("INSERT INTO golfers VALUES ('Golfer 1')");
    book.exec("INSERT INTO tee_ratings VALUES ('Course 1', 'white', 71.3, 128)");
    SQLite::Statement addRound(book,
                               "INSERT INTO rounds (golfer_name, course_name, date, " + holeList("h") + ", "
                                   + holeList("p") + ") VALUES (?, ?, ''" + marks + ")");
    SQLite::Statement addDetails(book, "INSERT INTO round_details VALUES (?, 'white', ?, 0)");
    for (int r = 0; r < countedRounds + otherRounds; ++r) {
        // Every hundred-and-first round is the golfer's, so theirs are spread over the table.
        const bool theirs = r % 101 == 0 && r / 101 < countedRounds;
        const Round &round = inputs.rounds[theirs ? r / 101 : 0];
        const HoleValues strokes = theirs ? round.strokes : randomStrokes(random);
        addRound.reset();
        addRound.bind(1, theirs ? golfer.toStdString() : "Golfer " + std::to_string(2 + r % 1000));
        addRound.bind(2, course.toStdString());
        for (int hole = 0; hole < holeCount; ++hole) {
            addRound.bind(3 + hole, strokes[hole]);
            addRound.bind(3 + holeCount + hole, 4);
        }
        addRound.exec();
        addDetails.reset();
        addDetails.bind(1, static_cast<int64_t>(book.getLastInsertRowid()));
        addDetails.bind(2, QDate(2020, 1, 1).addDays(r % 2000).toString(Qt::ISODate).toStdString());
        addDetails.exec();
    }
    writing.commit();
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QRandomGenerator random(2026);
    const HandicapInputs inputs = typedInputs(random);

    int counted = 0;
    const double compute = medianSeconds(21, [&] { counted = computeHandicap(inputs).countedRounds; });
    const double sorting = medianSeconds(21, [&] {
        std::vector<Round> rounds = inputs.rounds;
        std::sort(rounds.begin(), rounds.end(),
                  [](const Round &a, const Round &b) { return a.details->playedOn > b.details->playedOn; });
    });
    std::printf("%d counted rounds; target for the index: under 0.020 s\n", counted);
    report("index of 1,000 rounds", compute, "copying and sorting them", sorting, 0);

    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("teedat2000.mdb"));
    writeScorebook(path, inputs, random);
    SQLite::Database book(path.toStdString(), SQLite::OPEN_READONLY);
    const double reading
        = medianSeconds(5, [&] { counted = computeHandicap(readHandicapInputs(book, golfer)).countedRounds; });
    const double scan = medianSeconds(5, [&] {
        SQLite::Statement query(book, "SELECT * FROM rounds WHERE golfer_name = ?");
        query.bind(1, golfer.toStdString());
        while (query.executeStep()) { }
    });
    std::printf("%d counted rounds read among %d\n", counted, countedRounds + otherRounds);
    report("read and index from the scorebook", reading, "SQL scan of the golfer's rounds", scan, 0);
    return timeHandicapWindow(app.arguments().value(1));
}
