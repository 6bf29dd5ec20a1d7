#pragma once

#include "core/exchange/csv_problem.h"

#include <QByteArray>
#include <QIODevice>

#include <optional>
#include <string>
#include <vector>

namespace exchange {

struct CsvField
{
    std::string text; // UTF-8 as in the file, quotes undone
    bool quoted = false; // an empty quoted field is an empty text, an empty bare one no value
    qint64 line = 0; // the physical line the field begins on

    bool isAbsent() const { return !quoted && text.empty(); }
};

// Reads RFC 4180 records from a device a block at a time, so that a large file
// is never held whole. Lines end with CRLF or LF; a UTF-8 byte order mark at
// the start is skipped. Stops at the first malformed byte and says where.
class CsvReader
{
public:
    explicit CsvReader(QIODevice &input);

    // Reads the next record into fields[0 .. count). Returns false at the end of
    // the input or on a problem (then problem() is set). A record with more than
    // maxFields fields is a problem, so a broken file cannot fill the memory.
    bool readRecord(std::vector<CsvField> &fields, int &count, int maxFields);

    const std::optional<CsvProblem> &problem() const { return problem_; }
    qint64 bytesRead() const { return consumed_ + position_; }

    // The longest field read, in bytes; longer ones are refused.
    static constexpr std::size_t maxFieldBytes = 1 << 20;

private:
    static constexpr int endOfInput = -1;

    int next()
    {
        if (position_ == buffer_.size() && !refill()) {
            return endOfInput;
        }
        return static_cast<unsigned char>(buffer_[position_++]);
    }
    bool refill();
    bool readQuoted(CsvField &field, int column);
    bool readBare(CsvField &field, int column, int &terminator);
    bool fail(qint64 line, int column, const QString &why);

    QIODevice &input_;
    QByteArray buffer_;
    qsizetype position_ = 0;
    qint64 consumed_ = 0;
    qint64 line_ = 1;
    bool started_ = false;
    std::optional<CsvProblem> problem_;
};

} // namespace exchange
