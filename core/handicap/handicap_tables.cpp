#include "core/handicap/handicap_tables.h"

namespace handicap {

const char *handicapTablesSql()
{
    return R"sql(
CREATE TABLE IF NOT EXISTS tee_ratings (
    course_name   TEXT NOT NULL,
    tee           TEXT NOT NULL,
    course_rating REAL NOT NULL,
    slope_rating  INTEGER NOT NULL,
    PRIMARY KEY (course_name, tee)
);
CREATE TABLE IF NOT EXISTS round_details (
    record_no INTEGER PRIMARY KEY,
    tee       TEXT NOT NULL,
    played_on TEXT NOT NULL,
    pcc       INTEGER NOT NULL DEFAULT 0
);
)sql";
}

} // namespace handicap
