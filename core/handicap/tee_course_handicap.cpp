#include "core/handicap/tee_course_handicap.h"

#include "core/handicap/round_working.h"

#include <algorithm>

namespace handicap {

std::optional<int> teeCourseHandicap(const std::optional<int> &indexTenths, const std::vector<RatedTee> &ratings,
                                     const QString &tee, int par)
{
    const auto rated = std::find_if(ratings.begin(), ratings.end(), [&](const RatedTee &r) { return r.tee == tee; });
    if (!indexTenths || rated == ratings.end()) {
        return std::nullopt;
    }
    return courseHandicap(*indexTenths, rated->courseRatingTenths, rated->slope, par);
}

QString courseHandicapText(int courseHandicap)
{
    return courseHandicap < 0 ? QStringLiteral("+%1").arg(-courseHandicap) : QString::number(courseHandicap);
}

} // namespace handicap
