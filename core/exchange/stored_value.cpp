#include "core/exchange/stored_value.h"

#include "core/exchange/field_checks.h"

#include <charconv>

namespace exchange {

namespace {

std::string_view textOf(sqlite3_stmt *row, int index)
{
    // Text, and a blob taken as its bytes: the windows never store one.
    const auto *bytes = reinterpret_cast<const char *>(sqlite3_column_text(row, index));
    return {bytes ? bytes : "", std::size_t(sqlite3_column_bytes(row, index))};
}

void appendReal(std::string &text, double value)
{
    char digits[32];
    text.append(digits, std::to_chars(digits, digits + sizeof digits, value).ptr);
}

} // namespace

bool storedText(sqlite3_stmt *row, int index, std::string &text)
{
    text.clear();
    switch (sqlite3_column_type(row, index)) {
    case SQLITE_NULL:
        return false;
    case SQLITE_INTEGER:
        text = std::to_string(sqlite3_column_int64(row, index));
        return true;
    case SQLITE_FLOAT:
        appendReal(text, sqlite3_column_double(row, index));
        return true;
    default:
        text = textOf(row, index);
        return true;
    }
}

void writeStored(CsvWriter &writer, sqlite3_stmt *row, int index)
{
    switch (sqlite3_column_type(row, index)) {
    case SQLITE_NULL:
        writer.addAbsent();
        break;
    case SQLITE_INTEGER:
        writer.addInteger(sqlite3_column_int64(row, index));
        break;
    case SQLITE_FLOAT: {
        std::string text;
        appendReal(text, sqlite3_column_double(row, index));
        writer.addText(text);
        break;
    }
    default:
        writer.addText(textOf(row, index));
    }
}

bool sameAsStored(const CsvField &field, sqlite3_stmt *row, int index, std::string &scratch)
{
    if (!storedText(row, index, scratch)) {
        return field.isAbsent();
    }
    return !field.isAbsent() && field.text == scratch;
}

void bindField(SQLite::Statement &statement, int parameter, const CsvField &field, bool numberColumn)
{
    if (field.isAbsent()) {
        statement.bind(parameter);
    } else if (numberColumn && isPlainInteger(field.text)) {
        long long value = 0;
        std::from_chars(field.text.data(), field.text.data() + field.text.size(), value);
        statement.bind(parameter, static_cast<int64_t>(value));
    } else {
        statement.bindNoCopy(parameter, field.text);
    }
}

} // namespace exchange
