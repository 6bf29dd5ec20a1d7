#include "core/records/round_layout.h"

namespace round_layout {

QString fieldName(int entry)
{
    switch (entry) {
    case Course:
        return QStringLiteral("course_name");
    case Golfer:
        return QStringLiteral("golfer_name");
    case Date:
        return QStringLiteral("date");
    default:
        break;
    }
    static const char *const prefixes[] = {"h", "p", "put"};
    static const char *const totals[][3]
        = {{"f9", "b9", "total"}, {"pf9", "pb9", "ptot"}, {"putf9", "putb9", "puttot"}};
    const int series = (entry - 4) / 21;
    const int offset = (entry - 4) % 21;
    if (offset == 9) {
        return QString::fromLatin1(totals[series][0]);
    }
    if (offset == 19) {
        return QString::fromLatin1(totals[series][1]);
    }
    if (offset == 20) {
        return QString::fromLatin1(totals[series][2]);
    }
    const int hole = offset < 9 ? offset + 1 : offset;
    return QString::fromLatin1(prefixes[series]) + QString::number(hole);
}

} // namespace round_layout
