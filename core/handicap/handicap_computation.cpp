#include "core/handicap/handicap_computation.h"

#include "core/handicap/exact_rounding.h"
#include "core/handicap/round_working.h"

#include <QHash>
#include <QPair>

#include <algorithm>
#include <array>

namespace handicap {

namespace {

constexpr int recentRounds = 20;
constexpr int maximumIndex = 540;
constexpr int capWindowDays = 365;
constexpr int softCapAbove = 30;
constexpr int hardCapAbove = 50;

struct Selection
{
    int lowest = 0; // how many of the lowest differentials make the index
    int adjustment = 0;
};

// By the number of recent differentials: how many of the lowest are averaged
// and what is added to their mean.
constexpr std::array<Selection, recentRounds + 1> selections {{
    {0, 0},   {0, 0},   {0, 0}, // no index yet
    {1, -20}, {1, -10}, {1, 0}, {2, -10}, {2, 0}, {2, 0}, {3, 0}, {3, 0}, {3, 0},
    {4, 0},   {4, 0},   {4, 0}, {5, 0},   {5, 0}, {6, 0}, {6, 0}, {7, 0}, {8, 0},
}};

bool isUsable(const RatedTee &tee)
{
    return tee.slope >= 55 && tee.slope <= 155;
}

bool hasEveryStrokeIndexOnce(const HoleValues &strokeIndex)
{
    std::array<bool, holeCount + 1> seen {};
    for (int value : strokeIndex) {
        if (value < 1 || value > holeCount || seen[value]) {
            return false;
        }
        seen[value] = true;
    }
    return true;
}

bool isDated(const Round &round)
{
    return round.details && round.details->playedOn.isValid();
}

class Lookups
{
public:
    explicit Lookups(const HandicapInputs &inputs)
    {
        for (const Course &course : inputs.courses) {
            if (!courses_.contains(course.name)) {
                courses_.insert(course.name, &course);
            }
        }
        for (const RatedTee &tee : inputs.ratedTees) {
            if (isUsable(tee)) {
                tees_.insert({tee.course, tee.tee}, &tee);
            }
        }
    }

    const Course *course(const Round &round) const { return courses_.value(round.course); }

    const RatedTee *ratedTee(const Round &round) const
    {
        return round.details ? tees_.value({round.course, round.details->tee}) : nullptr;
    }

private:
    QHash<QString, const Course *> courses_;
    QHash<QPair<QString, QString>, const RatedTee *> tees_;
};

// The first reason that can be decided, in the order they are listed.
std::optional<NotCounted> reasonNotCounted(const Round &round, const Course *course, const RatedTee *ratedTee)
{
    if (course && !course->eighteenHoles) {
        return NotCounted::NineHoles;
    }
    if (std::any_of(round.strokes.begin(), round.strokes.end(), [](int strokes) { return strokes < 1; })) {
        return NotCounted::HolesNotPlayed;
    }
    if (round.details && !ratedTee) {
        return NotCounted::NoTeeRating;
    }
    if (!isDated(round)) {
        return NotCounted::NoDate;
    }
    if (!course || !hasEveryStrokeIndexOnce(course->strokeIndex)) {
        return NotCounted::HoleHandicapsIncomplete;
    }
    return std::nullopt;
}

// Dated rounds by day and record number, then the undated ones by record number.
bool comesBefore(const RoundOutcome &a, const RoundOutcome &b)
{
    const bool aDated = isDated(a.round);
    const bool bDated = isDated(b.round);
    if (aDated != bDated) {
        return aDated;
    }
    if (aDated && a.round.details->playedOn != b.round.details->playedOn) {
        return a.round.details->playedOn < b.round.details->playedOn;
    }
    return a.round.recordNo < b.round.recordNo;
}

std::vector<RoundOutcome> listedRounds(const HandicapInputs &inputs, const Lookups &lookups,
                                       const std::optional<QDate> &asOf)
{
    std::vector<RoundOutcome> listed;
    listed.reserve(inputs.rounds.size());
    for (const Round &round : inputs.rounds) {
        if (asOf && isDated(round) && round.details->playedOn > *asOf) {
            continue;
        }
        RoundOutcome outcome;
        outcome.round = round;
        outcome.gross = sum(round.strokes);
        const Course *course = lookups.course(round);
        const RatedTee *ratedTee = lookups.ratedTee(round);
        if (ratedTee) {
            outcome.ratedTee = *ratedTee;
        }
        outcome.reason = reasonNotCounted(round, course, ratedTee);
        listed.push_back(std::move(outcome));
    }
    std::sort(listed.begin(), listed.end(), comesBefore);
    return listed;
}

// The computation over the counted rounds, in order; `counted` grows by one per round.
class IndexHistory
{
public:
    void add(RoundOutcome &round, const HoleValues &strokeIndex)
    {
        counted_.push_back(&round);
        workRound(round, strokeIndex);
        applyExceptionalScore(round);
        round.uncappedIndexAfter = indexFromRecent();
        round.indexAfter = round.uncappedIndexAfter;
        if (round.indexAfter && int(counted_.size()) >= recentRounds) {
            applyCaps(round);
        }
    }

    // The rounds whose differentials make the index after the last round.
    std::vector<RoundOutcome *> usedRounds() const
    {
        const auto recent = recentCount();
        return lowest(selections[recent].lowest);
    }

private:
    static void workRound(RoundOutcome &round, const HoleValues &strokeIndex)
    {
        const RatedTee &tee = *round.ratedTee;
        if (round.indexBefore) {
            round.courseHandicap
                = courseHandicap(*round.indexBefore, tee.courseRatingTenths, tee.slope, sum(round.round.pars));
        }
        round.holeMaxima = holeMaxima(round.courseHandicap, round.round.pars, strokeIndex);
        round.adjustedGross = adjustedGross(round.round.strokes, round.holeMaxima);
        round.unreducedDifferential
            = differentialTenths(round.adjustedGross, tee.courseRatingTenths, tee.slope, round.round.details->pcc);
    }

    void applyExceptionalScore(RoundOutcome &round)
    {
        if (!round.indexBefore) {
            return;
        }
        const int below = *round.indexBefore - round.unreducedDifferential;
        round.exceptionalReduction = below >= 100 ? 20 : below >= 70 ? 10 : 0;
        if (round.exceptionalReduction == 0) {
            return;
        }
        for (auto it = counted_.end() - recentCount(); it != counted_.end(); ++it) {
            (*it)->reduction += round.exceptionalReduction;
        }
    }

    std::optional<int> indexFromRecent() const
    {
        const Selection selection = selections[recentCount()];
        if (selection.lowest == 0) {
            return std::nullopt;
        }
        qint64 total = 0;
        for (const RoundOutcome *round : lowest(selection.lowest)) {
            total += round->differential();
        }
        const int value = int(roundedQuotient(total, selection.lowest)) + selection.adjustment;
        return std::min(value, maximumIndex);
    }

    void applyCaps(RoundOutcome &round) const
    {
        const int low = lowIndexBefore(round);
        round.lowIndex = low;
        const int value = *round.indexAfter;
        if (value - low <= softCapAbove) {
            return;
        }
        // In twentieths, so the halving of the excess stays exact until the final rounding.
        const qint64 soft = 2 * qint64(low + softCapAbove) + (value - low - softCapAbove);
        const qint64 hard = 2 * qint64(low + hardCapAbove);
        round.cap = soft > hard ? Cap::Hard : Cap::Soft;
        round.indexAfter = int(roundedQuotient(std::min(soft, hard), 2));
    }

    // The lowest index after the earlier rounds of the 365 days up to this
    // round's day, and the index in effect when that window opened.
    int lowIndexBefore(const RoundOutcome &round) const
    {
        const QDate windowStart = round.round.details->playedOn.addDays(-capWindowDays);
        std::optional<int> low;
        const auto consider = [&low](const std::optional<int> &index) {
            if (index && (!low || *index < *low)) {
                low = index;
            }
        };
        for (auto it = counted_.rbegin() + 1; it != counted_.rend(); ++it) {
            consider((*it)->indexAfter);
            if ((*it)->round.details->playedOn < windowStart) {
                break; // the index in effect at the window's start
            }
        }
        return *low; // the round before this one, the 19th or later, always has an index
    }

    std::size_t recentCount() const { return std::min<std::size_t>(counted_.size(), recentRounds); }

    // The `count` lowest recent differentials; of equal ones the earlier round first.
    std::vector<RoundOutcome *> lowest(int count) const
    {
        std::vector<RoundOutcome *> recent(counted_.end() - recentCount(), counted_.end());
        std::stable_sort(recent.begin(), recent.end(), [](const RoundOutcome *a, const RoundOutcome *b) {
            return a->differential() < b->differential();
        });
        recent.resize(std::min<std::size_t>(recent.size(), count));
        return recent;
    }

    std::vector<RoundOutcome *> counted_;
};

} // namespace

QString reasonText(NotCounted reason)
{
    switch (reason) {
    case NotCounted::NineHoles:
        return QStringLiteral("nine holes");
    case NotCounted::HolesNotPlayed:
        return QStringLiteral("holes not played");
    case NotCounted::NoTeeRating:
        return QStringLiteral("no tee rating");
    case NotCounted::NoDate:
        return QStringLiteral("no date");
    case NotCounted::HoleHandicapsIncomplete:
        return QStringLiteral("hole handicaps incomplete");
    }
    return {};
}

HandicapResult computeHandicap(const HandicapInputs &inputs, const std::optional<QDate> &asOf)
{
    const Lookups lookups(inputs);
    HandicapResult result;
    result.rounds = listedRounds(inputs, lookups, asOf);
    IndexHistory history;
    std::optional<int> index;
    for (RoundOutcome &round : result.rounds) {
        if (!round.counted()) {
            continue;
        }
        round.indexBefore = index;
        history.add(round, lookups.course(round.round)->strokeIndex);
        index = round.indexAfter;
        result.lowIndex = round.lowIndex;
        ++result.countedRounds;
    }
    result.index = index;
    if (index) {
        for (RoundOutcome *used : history.usedRounds()) {
            used->used = true;
        }
    }
    return result;
}

} // namespace handicap
