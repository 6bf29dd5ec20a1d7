#include "core/exchange/csv_writer.h"

#include <charconv>

namespace exchange {

namespace {

constexpr std::size_t flushSize = 1 << 20;

bool needsQuotes(std::string_view text)
{
    for (const char c : text) {
        if (c == ',' || c == '"' || c == '\r' || c == '\n') {
            return true;
        }
    }
    return text.empty();
}

} // namespace

CsvWriter::CsvWriter(QIODevice &output)
    : output_(output)
{
    buffer_.reserve(flushSize + 4096);
}

void CsvWriter::addText(std::string_view text)
{
    separate();
    if (!needsQuotes(text)) {
        buffer_.append(text);
        return;
    }
    buffer_.push_back('"');
    for (const char c : text) {
        if (c == '"') {
            buffer_.push_back('"');
        }
        buffer_.push_back(c);
    }
    buffer_.push_back('"');
}

void CsvWriter::addInteger(qint64 value)
{
    separate();
    char digits[24];
    const char *end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    buffer_.append(digits, std::size_t(end - digits));
}

void CsvWriter::endRecord()
{
    buffer_.append("\r\n");
    recordStarted_ = false;
    if (buffer_.size() >= flushSize) {
        flush();
    }
}

bool CsvWriter::flush()
{
    if (!failed_ && !buffer_.empty()) {
        failed_ = output_.write(buffer_.data(), qint64(buffer_.size())) != qint64(buffer_.size());
    }
    buffer_.clear();
    return !failed_;
}

} // namespace exchange
