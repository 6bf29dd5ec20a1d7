#include "core/handicap/tees.h"

namespace handicap {

QString teeCaptionOf(const QString &key)
{
    for (const Tee &tee : tees) {
        if (key == QLatin1String(tee.key)) {
            return teeCaption(tee);
        }
    }
    return key;
}

} // namespace handicap
