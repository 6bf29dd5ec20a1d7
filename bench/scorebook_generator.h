#pragma once

#include <QString>

// Writes a scorebook of the given size with realistic values for benchmarks:
// courses of eighteen holes, golfers named "Golfer N", and rounds spread over them.
struct ScorebookSize
{
    int courses = 50;
    int golfers = 1000;
    int rounds = 100000;
};

// Returns an empty text on success, else what went wrong.
QString generateScorebook(const QString &path, const ScorebookSize &size, unsigned seed = 2026);
