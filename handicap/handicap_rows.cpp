#include "handicap/handicap_rows.h"

#include "core/handicap/handicap_computation.h"
#include "core/handicap/played_on_text.h"
#include "core/handicap/round_working.h"
#include "core/handicap/tee_course_handicap.h"
#include "core/handicap/tees.h"
#include "core/handicap/tenths_text.h"

namespace handicap_rows {

using namespace handicap;

namespace {

QString dayText(const RoundOutcome &outcome)
{
    return outcome.round.details && outcome.round.details->playedOn.isValid()
        ? playedOnText(outcome.round.details->playedOn)
        : QString();
}

QString teeText(const RoundOutcome &outcome)
{
    return outcome.round.details ? teeCaptionOf(outcome.round.details->tee) : QString();
}

QString optionalIndex(const std::optional<int> &tenths)
{
    return tenths ? indexText(*tenths) : QStringLiteral("none");
}

QString optionalCourseHandicap(const std::optional<int> &courseHandicap)
{
    return courseHandicap ? courseHandicapText(*courseHandicap) : QStringLiteral("none");
}

// The differential as used, with what exceptional scores took off it.
QString differentialText(const RoundOutcome &outcome)
{
    const QString used = tenthsText(outcome.differential());
    return outcome.reduction == 0
        ? used
        : QStringLiteral("%1 (%2 less %3)")
              .arg(used, tenthsText(outcome.unreducedDifferential), tenthsText(outcome.reduction));
}

QString indexAfterText(const RoundOutcome &outcome)
{
    const QString index = optionalIndex(outcome.indexAfter);
    switch (outcome.cap) {
    case Cap::Soft:
        return index + QStringLiteral(" (soft cap)");
    case Cap::Hard:
        return index + QStringLiteral(" (hard cap)");
    case Cap::None:
        break;
    }
    return index;
}

} // namespace

QStringList countedHeaders()
{
    return {QStringLiteral("Date"),
            QStringLiteral("Course"),
            QStringLiteral("Tee"),
            QStringLiteral("Gross"),
            QStringLiteral("Adjusted gross"),
            QStringLiteral("Course rating"),
            QStringLiteral("Slope"),
            QStringLiteral("PCC"),
            QStringLiteral("Course handicap"),
            QStringLiteral("Differential"),
            QStringLiteral("Used"),
            QStringLiteral("Index after")};
}

QStringList notCountedHeaders()
{
    return {QStringLiteral("Date"), QStringLiteral("Course"), QStringLiteral("Tee"), QStringLiteral("Gross"),
            QStringLiteral("Reason")};
}

QString indexValue(const HandicapResult &result)
{
    return optionalIndex(result.index);
}

QString indexNote(const HandicapResult &result)
{
    if (result.index) {
        return {};
    }
    return QStringLiteral("%1 rounds of 18 holes from rated tees are needed; %2 so far")
        .arg(roundsForIndex)
        .arg(result.countedRounds);
}

QString lowIndexValue(const HandicapResult &result)
{
    return result.lowIndex ? indexText(*result.lowIndex) : QStringLiteral("none before the 20th counted round");
}

std::vector<QStringList> countedRows(const HandicapResult &result)
{
    std::vector<const RoundOutcome *> counted;
    for (const RoundOutcome &outcome : result.rounds) {
        if (outcome.counted()) {
            counted.push_back(&outcome);
        }
    }
    const std::size_t first = counted.size() > shownCountedRounds ? counted.size() - shownCountedRounds : 0;
    std::vector<QStringList> rows;
    for (std::size_t i = first; i < counted.size(); ++i) {
        const RoundOutcome &outcome = *counted[i];
        rows.push_back({dayText(outcome), outcome.round.course, teeText(outcome), QString::number(outcome.gross),
                        QString::number(outcome.adjustedGross), tenthsText(outcome.ratedTee->courseRatingTenths),
                        QString::number(outcome.ratedTee->slope), QString::number(outcome.round.details->pcc),
                        optionalCourseHandicap(outcome.courseHandicap), differentialText(outcome),
                        outcome.used ? QStringLiteral("used") : QString(), indexAfterText(outcome)});
    }
    return rows;
}

std::vector<QStringList> notCountedRows(const HandicapResult &result)
{
    std::vector<QStringList> rows;
    for (const RoundOutcome &outcome : result.rounds) {
        if (!outcome.counted()) {
            rows.push_back({dayText(outcome), outcome.round.course, teeText(outcome), QString::number(outcome.gross),
                            reasonText(*outcome.reason)});
        }
    }
    return rows;
}

} // namespace handicap_rows
