#include "core/exchange/keyed_import.h"

#include "core/exchange/stored_value.h"

namespace exchange {

namespace {

std::optional<std::string> valueOf(const CsvField &field)
{
    return field.isAbsent() ? std::nullopt : std::optional<std::string>(field.text);
}

bool sameValues(const std::vector<CsvField> &record, const std::vector<std::optional<std::string>> &values)
{
    for (std::size_t column = 0; column < values.size(); ++column) {
        if (valueOf(record[column]) != values[column]) {
            return false;
        }
    }
    return true;
}

} // namespace

KeyedImport::KeyedImport(std::vector<Column> columns, int keyColumn, bool trimKey)
    : ImportTarget(std::move(columns))
    , keyColumn_(keyColumn)
    , trimKey_(trimKey)
{ }

KeyedImport::Values KeyedImport::storedValues(sqlite3_stmt *row, int count)
{
    Values values(count);
    std::string text;
    for (int column = 0; column < count; ++column) {
        if (storedText(row, column, text)) {
            values[column] = text;
        }
    }
    return values;
}

KeyedImport::Key KeyedImport::keyOf(const std::optional<std::string> &value) const
{
    if (!value) {
        return {false, {}};
    }
    return {true, trimKey_ ? trimBlanks(*value) : *value};
}

void KeyedImport::remember(Values values)
{
    Key key = keyOf(values[keyColumn_]);
    stored_.emplace(std::move(key), std::move(values));
}

Match KeyedImport::match(const std::vector<CsvField> &record)
{
    const auto [first, last] = stored_.equal_range(keyOf(valueOf(record[keyColumn_])));
    if (first == last) {
        return Match::New;
    }
    for (auto stored = first; stored != last; ++stored) {
        if (sameValues(record, stored->second)) {
            return Match::Identical;
        }
    }
    return Match::Conflicting;
}

} // namespace exchange
