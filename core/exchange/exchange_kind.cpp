#include "core/exchange/exchange_kind.h"

namespace exchange {

QString kindName(Kind kind)
{
    switch (kind) {
    case Kind::Rounds:
        return QStringLiteral("rounds");
    case Kind::Courses:
        return QStringLiteral("courses");
    case Kind::Golfers:
        return QStringLiteral("golfers");
    }
    return {};
}

std::optional<Kind> kindNamed(const QString &name)
{
    for (const Kind kind : {Kind::Rounds, Kind::Courses, Kind::Golfers}) {
        if (kindName(kind) == name) {
            return kind;
        }
    }
    return std::nullopt;
}

} // namespace exchange
