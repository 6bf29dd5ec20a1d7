#pragma once

#include <QHash>
#include <QIcon>
#include <QString>

// The shared picture list of the main window, numbered from 1 as every window
// asks for it: 1-6 the menu buttons, 7 every help button, 8 the maker's logo,
// 9, 10, 12 and 13 the picture strips of the card windows, 14 the handicap button.
class ImageList
{
public:
    bool has(int number) const;
    QIcon picture(int number) const;
    QString key(int number) const;
    QString resourcePath(int number) const;

private:
    // One icon per picture, so a picture drawn at a size is drawn only once.
    mutable QHash<int, QIcon> m_icons;
};
