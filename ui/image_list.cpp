#include "ui/image_list.h"

#include <QMap>

namespace {

struct Entry
{
    const char *file;
    const char *key;
};

const QMap<int, Entry> &entries()
{
    static const QMap<int, Entry> list = {
        {1, {"01-about.svg", "About"}},
        {2, {"02-golfer.svg", "Golfer"}},
        {3, {"03-round.svg", "Round"}},
        {4, {"04-courses.svg", "Courses"}},
        {5, {"05-stats.svg", "Stats"}},
        {6, {"06-bye.svg", "Bye"}},
        {7, {"07-help.svg", "help"}},
        {8, {"08-quendry.svg", "Quendry"}},
        {9, {"09-fairway.svg", ""}},
        {10, {"10-rara-daze-zave.svg", "Rara Daze Zave"}},
        {12, {"12-tee.svg", ""}},
        {13, {"13-quendry2.svg", "Quendry2"}},
        {14, {"14-handicap.svg", "Handicap"}},
    };
    return list;
}

} // namespace

bool ImageList::has(int number) const
{
    return entries().contains(number);
}

QString ImageList::resourcePath(int number) const
{
    return has(number) ? QStringLiteral(":/pictures/") + QLatin1String(entries().value(number).file) : QString();
}

QIcon ImageList::picture(int number) const
{
    if (!has(number)) {
        return {};
    }
    auto found = m_icons.find(number);
    if (found == m_icons.end()) {
        found = m_icons.insert(number, QIcon(resourcePath(number)));
    }
    return *found;
}

QString ImageList::key(int number) const
{
    return QString::fromLatin1(entries().value(number).key);
}
