#pragma once

// The two tables the handicap reads beside the original three: the ratings of
// each course's tees and the tee, day and playing conditions of each round.
// Running it on a scorebook that has them changes nothing.
namespace handicap {

const char *handicapTablesSql();

} // namespace handicap
