#include "core/exchange/csv_reader.h"

#include <algorithm>

namespace exchange {

namespace {

constexpr qint64 blockSize = 1 << 20;

const char *bareFieldEnd(const char *at, const char *end)
{
    while (at != end && *at != ',' && *at != '\n' && *at != '\r' && *at != '"') {
        ++at;
    }
    return at;
}

} // namespace

CsvReader::CsvReader(QIODevice &input)
    : input_(input)
{ }

bool CsvReader::refill()
{
    consumed_ += buffer_.size();
    position_ = 0;
    buffer_.resize(blockSize);
    const qint64 read = input_.read(buffer_.data(), blockSize);
    buffer_.resize(std::max<qint64>(read, 0));
    if (read < 0) {
        fail(line_, 1, QStringLiteral("the file cannot be read further (%1)").arg(input_.errorString()));
    }
    return read > 0;
}

bool CsvReader::fail(qint64 line, int column, const QString &why)
{
    if (!problem_) {
        problem_ = CsvProblem {line, column, why};
    }
    return false;
}

bool CsvReader::readBare(CsvField &field, int column, int &terminator)
{
    for (;;) {
        if (position_ == buffer_.size() && !refill()) {
            terminator = endOfInput;
            return !problem_;
        }
        const char *begin = buffer_.constData() + position_;
        const char *end = buffer_.constData() + buffer_.size();
        const char *at = bareFieldEnd(begin, end);
        field.text.append(begin, std::size_t(at - begin));
        position_ += at - begin;
        if (field.text.size() > maxFieldBytes) {
            return fail(field.line, column, QStringLiteral("the field is longer than %1 bytes").arg(maxFieldBytes));
        }
        if (at != end) {
            ++position_;
            if (*at == '"') {
                return fail(line_, column, QStringLiteral("a quote inside a field that does not begin with one"));
            }
            terminator = *at;
            return true;
        }
    }
}

bool CsvReader::readQuoted(CsvField &field, int column)
{
    for (;;) {
        if (position_ == buffer_.size() && !refill()) {
            return fail(field.line, column, QStringLiteral("the quoted field is not closed"));
        }
        const char *begin = buffer_.constData() + position_;
        const char *end = buffer_.constData() + buffer_.size();
        const char *at = std::find(begin, end, '"');
        field.text.append(begin, std::size_t(at - begin));
        line_ += std::count(begin, at, '\n');
        position_ += at - begin;
        if (field.text.size() > maxFieldBytes) {
            return fail(field.line, column, QStringLiteral("the field is longer than %1 bytes").arg(maxFieldBytes));
        }
        if (at == end) {
            continue;
        }
        ++position_;
        const int after = next();
        if (after == '"') {
            field.text.push_back('"');
            continue;
        }
        if (after != endOfInput) {
            --position_;
        }
        return !problem_;
    }
}

bool CsvReader::readRecord(std::vector<CsvField> &fields, int &count, int maxFields)
{
    count = 0;
    if (problem_) {
        return false;
    }
    if (!started_) {
        started_ = true;
        if (refill() && buffer_.startsWith("\xEF\xBB\xBF")) {
            position_ = 3;
        }
    }
    if (next() == endOfInput) {
        return false;
    }
    --position_;
    for (;;) {
        const int column = count + 1;
        if (count == maxFields) {
            return fail(
                line_, column,
                QStringLiteral("expected %1 field%2, found more").arg(maxFields).arg(maxFields == 1 ? "" : "s"));
        }
        if (fields.size() <= std::size_t(count)) {
            fields.emplace_back();
        }
        CsvField &field = fields[count];
        field.text.clear();
        field.line = line_;
        const int first = next();
        field.quoted = first == '"';
        int terminator = endOfInput;
        if (field.quoted) {
            if (!readQuoted(field, column)) {
                return false;
            }
            terminator = next();
            if (terminator != ',' && terminator != '\n' && terminator != '\r' && terminator != endOfInput) {
                return fail(line_, column, QStringLiteral("text after the closing quote"));
            }
        } else {
            if (first != endOfInput) {
                --position_;
            }
            if (!readBare(field, column, terminator)) {
                return false;
            }
        }
        ++count;
        if (terminator == ',') {
            continue;
        }
        if (terminator == '\r' && next() != '\n') {
            return fail(line_, column, QStringLiteral("a carriage return without a line feed"));
        }
        if (terminator != endOfInput) {
            ++line_;
        }
        return !problem_;
    }
}

} // namespace exchange
