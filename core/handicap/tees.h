#pragma once

#include <QString>

#include <array>

// The three tees a course is rated from, as stored ("blue") and as shown ("Blue").
namespace handicap {

struct Tee
{
    const char *key;
    const char *caption;
};

constexpr std::array<Tee, 3> tees {{{"blue", "Blue"}, {"white", "White"}, {"red", "Red"}}};

// Most rounds are played from the white tee, so the score card offers it first.
constexpr const char *usualTee = "white";

inline QString teeKey(const Tee &tee)
{
    return QString::fromLatin1(tee.key);
}

inline QString teeCaption(const Tee &tee)
{
    return QString::fromLatin1(tee.caption);
}

// "Blue" for "blue"; the key itself for a tee of another name.
QString teeCaptionOf(const QString &key);

} // namespace handicap
