#pragma once

#include "core/exchange/import_target.h"

#include <map>
#include <optional>
#include <sqlite3.h>
#include <string>
#include <utility>

namespace exchange {

// Records few enough to hold in memory (courses, golfers), found by one
// column's text. A key several stored records share is identical when any of
// them has every value of the file's record.
class KeyedImport : public ImportTarget
{
public:
    Match match(const std::vector<CsvField> &record) override;

protected:
    using Values = std::vector<std::optional<std::string>>; // no value: nullopt
    using Key = std::pair<bool, std::string>; // has a value, its text

    KeyedImport(std::vector<Column> columns, int keyColumn, bool trimKey);

    // The stored record whose first columns are the row's; the rest come after.
    static Values storedValues(sqlite3_stmt *row, int count);
    void remember(Values values);
    Key keyOf(const std::optional<std::string> &value) const;

private:
    int keyColumn_;
    bool trimKey_;
    std::multimap<Key, Values> stored_;
};

} // namespace exchange
