#include "core/exchange/stored_value.h"

#include "core/exchange/field_checks.h"

#include <charconv>

namespace exchange {

namespace {

template<typename Number> void appendNumber(std::string &text, Number value)
{
    char digits[32];
    const auto written = std::to_chars(digits, digits + sizeof digits, value);
    text.append(digits, written.ptr);
}

} // namespace

bool storedText(sqlite3_stmt *row, int index, std::string &text)
{
    text.clear();
    switch (sqlite3_column_type(row, index)) {
    case SQLITE_NULL:
        return false;
    case SQLITE_INTEGER:
        appendNumber(text, sqlite3_column_int64(row, index));
        return true;
    case SQLITE_FLOAT:
        appendNumber(text, sqlite3_column_double(row, index));
        return true;
    default: {
        // Text, and a blob taken as its bytes: the windows never store one.
        const auto *bytes = reinterpret_cast<const char *>(sqlite3_column_text(row, index));
        text.append(bytes ? bytes : "", std::size_t(sqlite3_column_bytes(row, index)));
        return true;
    }
    }
}

void writeStored(CsvWriter &writer, sqlite3_stmt *row, int index, std::string &scratch)
{
    if (storedText(row, index, scratch)) {
        writer.addText(scratch);
    } else {
        writer.addAbsent();
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
