#include "core/records/course_layout.h"

namespace course_layout {

QString fieldName(int index)
{
    switch (index) {
    case Id:
        return QStringLiteral("course_id");
    case Name:
        return QStringLiteral("course_name");
    case Size:
        return QStringLiteral("course_size");
    default:
        break;
    }
    static const char letters[] = {'b', 'w', 'r', 'p', 'h'};
    const int slot = (index - 3) / 5 + 1;
    const QChar letter = QLatin1Char(letters[(index - 3) % 5]);
    if (slot == 10) {
        return QStringLiteral("f") + letter;
    }
    const int suffix = slot < 10 ? slot : slot == 20 ? 19 : slot - 1;
    return letter + QString::number(suffix);
}

} // namespace course_layout
