#pragma once

#include <QDate>
#include <QString>

#include <array>
#include <optional>
#include <vector>

// Typed values of the handicap computation. Every index, rating and
// differential is held in tenths of a stroke (71.3 is 713, a plus 1.2 index is
// -12) so that each rounding is decided on the exact value.
namespace handicap {

constexpr int holeCount = 18;
using HoleValues = std::array<int, holeCount>;

struct RatedTee
{
    QString course; // course name, blanks around it removed
    QString tee; // "blue", "white" or "red"
    int courseRatingTenths = 0;
    int slope = 0; // usable from 55 to 155
};

struct Course
{
    QString name; // blanks around it removed
    bool eighteenHoles = false;
    HoleValues strokeIndex {}; // the hole handicaps h1..h18
};

struct RoundDetails
{
    QString tee;
    QDate playedOn; // invalid when the stored text is not a real date
    int pcc = 0;
};

struct Round
{
    qint64 recordNo = 0;
    QString golfer;
    QString course; // blanks around it removed
    HoleValues strokes {};
    HoleValues pars {}; // as stored with the round
    std::optional<RoundDetails> details;
};

struct HandicapInputs
{
    std::vector<Round> rounds;
    std::vector<Course> courses; // the first of several with one name is the course
    std::vector<RatedTee> ratedTees;
};

// Why a round makes no differential, in the order the reasons are checked.
enum class NotCounted
{
    NineHoles,
    HolesNotPlayed,
    NoTeeRating,
    NoDate,
    HoleHandicapsIncomplete
};

QString reasonText(NotCounted reason);

enum class Cap
{
    None,
    Soft,
    Hard
};

// One round with the working of its differential and the index after it.
// Everything below `reason` holds for counted rounds only.
struct RoundOutcome
{
    Round round;
    int gross = 0; // the strokes as stored, summed
    std::optional<RatedTee> ratedTee; // the rating of the round's tee, when it has one
    std::optional<NotCounted> reason;

    std::optional<int> indexBefore;
    std::optional<int> courseHandicap;
    HoleValues holeMaxima {};
    int adjustedGross = 0;
    int unreducedDifferential = 0;
    int exceptionalReduction = 0; // what this round's exceptional score took off the recent 20: 0, 10 or 20
    int reduction = 0; // what exceptional scores took off this round's differential, all told
    std::optional<int> uncappedIndexAfter;
    Cap cap = Cap::None;
    std::optional<int> indexAfter;
    std::optional<int> lowIndex; // from the 20th counted round on
    bool used = false; // among the lowest that make the current index

    bool counted() const { return !reason; }
    int differential() const { return unreducedDifferential - reduction; }
};

struct HandicapResult
{
    // Dated rounds in (played_on, record_no) order, then undated rounds by record_no.
    std::vector<RoundOutcome> rounds;
    std::optional<int> index;
    std::optional<int> lowIndex;
    int countedRounds = 0;
};

} // namespace handicap
