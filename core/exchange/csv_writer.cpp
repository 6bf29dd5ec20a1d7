#include "core/exchange/csv_writer.h"

namespace exchange {

namespace {

constexpr std::size_t flushSize = 1 << 20;

bool needsQuotes(std::string_view text)
{
    return text.empty() || text.find_first_of(",\"\r\n") != std::string_view::npos;
}

} // namespace

CsvWriter::CsvWriter(QIODevice &output)
    : output_(output)
{
    buffer_.reserve(flushSize + 4096);
}

void CsvWriter::separate()
{
    if (recordStarted_) {
        buffer_.push_back(',');
    }
    recordStarted_ = true;
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

void CsvWriter::addAbsent()
{
    separate();
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
