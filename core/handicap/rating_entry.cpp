#include "core/handicap/rating_entry.h"

#include "core/handicap/tees.h"
#include "core/handicap/tenths_text.h"

#include <QRegularExpression>

namespace handicap {

namespace {

bool hasAtMostOneDecimal(const QString &text)
{
    static const QRegularExpression plainDecimal(QStringLiteral("^\\d+(\\.\\d)?$"));
    return plainDecimal.match(text).hasMatch();
}

} // namespace

RatingEntry readRatingEntry(const QString &course, const Tee &tee, const QString &courseRating, const QString &slope)
{
    const QString ratingText = courseRating.trimmed();
    const QString slopeText = slope.trimmed();
    const QString caption = teeCaption(tee);
    if (ratingText.isEmpty() && slopeText.isEmpty()) {
        return {};
    }
    if (ratingText.isEmpty() || slopeText.isEmpty()) {
        return {std::nullopt,
                QStringLiteral("The %1 tee needs both a course rating and a slope rating, or neither.").arg(caption)};
    }
    const std::optional<int> tenths = hasAtMostOneDecimal(ratingText) ? tenthsFromText(ratingText) : std::nullopt;
    if (!tenths || *tenths < lowestCourseRatingTenths || *tenths > highestCourseRatingTenths) {
        return {std::nullopt,
                QStringLiteral("The %1 course rating must be a number from %2 to %3 with at most one "
                               "decimal, such as 71.3.")
                    .arg(caption, tenthsText(lowestCourseRatingTenths), tenthsText(highestCourseRatingTenths))};
    }
    bool whole = false;
    const int slopeValue = slopeText.toInt(&whole);
    if (!whole || slopeValue < lowestSlope || slopeValue > highestSlope) {
        return {std::nullopt,
                QStringLiteral("The %1 slope rating must be a whole number from %2 to %3, such as 113.")
                    .arg(caption)
                    .arg(lowestSlope)
                    .arg(highestSlope)};
    }
    return {RatedTee {course, teeKey(tee), *tenths, slopeValue}, {}};
}

} // namespace handicap
