#pragma once

#include <QIODevice>

#include <string>
#include <string_view>

namespace exchange {

// Writes RFC 4180 records to a device through a buffer: fields separated by
// commas, records ended by CRLF, a field quoted (its quotes doubled) when it
// holds a comma, quote, CR or LF, and an empty text quoted so that it stays
// apart from a field with no value, which is written as nothing.
class CsvWriter
{
public:
    explicit CsvWriter(QIODevice &output);

    void addText(std::string_view text);
    void addInteger(qint64 value);
    void addAbsent() { separate(); }
    void endRecord();

    // Writes what the buffer holds; false when the device refused it.
    bool flush();

private:
    void separate()
    {
        if (recordStarted_) {
            buffer_.push_back(',');
        }
        recordStarted_ = true;
    }

    QIODevice &output_;
    std::string buffer_;
    bool recordStarted_ = false;
    bool failed_ = false;
};

} // namespace exchange
