#include "core/exchange/rounds_import.h"

#include "core/exchange/field_checks.h"
#include "core/exchange/round_rows.h"
#include "core/exchange/stored_value.h"

#include <algorithm>
#include <charconv>

namespace exchange {

namespace {

constexpr int keyColumn = 0;

qint64 keyOf(const std::vector<CsvField> &record)
{
    const std::string &text = record[keyColumn].text;
    long long key = 0;
    std::from_chars(text.data(), text.data() + text.size(), key);
    return key;
}

std::vector<qint64> storedKeys(SQLite::Database &scorebook, const std::string &key)
{
    RowQuery query(scorebook.getHandle(), "SELECT \"" + key + "\" FROM rounds ORDER BY 1");
    std::vector<qint64> keys;
    while (query.step()) {
        keys.push_back(sqlite3_column_int64(query.row(), 0));
    }
    return keys;
}

} // namespace

bool RoundsImport::SeenKeys::insert(qint64 key)
{
    if (scattered_.empty()) {
        if (ascending_.empty() || key > ascending_.back()) {
            ascending_.push_back(key);
            return true;
        }
        scattered_.insert(ascending_.begin(), ascending_.end());
        ascending_ = {};
    }
    return scattered_.insert(key).second;
}

RoundsImport::RoundsImport(SQLite::Database &scorebook)
    : ImportTarget(roundColumns(scorebook))
    , scorebook_(scorebook)
    , detailsColumn_(int(columns_.size()) - roundDetailCount)
    , storedKeys_(storedKeys(scorebook, columns_[keyColumn].name))
    , storedRound_(scorebook.getHandle(), roundRowsSql(scorebook, " WHERE r.\"" + columns_[keyColumn].name + "\" = ?"))
    , insertRound_(scorebook, insertSql("rounds", columns_, detailsColumn_))
{ }

std::optional<CsvProblem> RoundsImport::check(const std::vector<CsvField> &record) const
{
    if (!isPlainInteger(record[keyColumn].text)) {
        return CsvProblem {record[keyColumn].line, keyColumn + 1,
                           QStringLiteral("a round needs a whole record number")};
    }
    if (!hasDetails(record)) {
        return std::nullopt;
    }
    for (int column = detailsColumn_; column < detailsColumn_ + roundDetailCount; ++column) {
        if (record[column].isAbsent()) {
            return CsvProblem {record[column].line, column + 1,
                               QStringLiteral("a round's tee, played_on and pcc go together")};
        }
    }
    return std::nullopt;
}

bool RoundsImport::hasDetails(const std::vector<CsvField> &record) const
{
    for (int column = detailsColumn_; column < detailsColumn_ + roundDetailCount; ++column) {
        if (!record[column].isAbsent()) {
            return true;
        }
    }
    return false;
}

bool RoundsImport::sameAsStored(const std::vector<CsvField> &record)
{
    storedRound_.reset();
    storedRound_.bindInteger(1, keyOf(record));
    if (!storedRound_.step()) {
        return false;
    }
    for (std::size_t column = 0; column < columns_.size(); ++column) {
        if (!exchange::sameAsStored(record[column], storedRound_.row(), int(column), scratch_)) {
            return false;
        }
    }
    return true;
}

Match RoundsImport::match(const std::vector<CsvField> &record)
{
    const qint64 key = keyOf(record);
    if (!seen_.insert(key)) {
        return Match::Conflicting;
    }
    if (!std::binary_search(storedKeys_.begin(), storedKeys_.end(), key)) {
        return Match::New;
    }
    return sameAsStored(record) ? Match::Identical : Match::Conflicting;
}

void RoundsImport::store(const std::vector<CsvField> &record)
{
    for (int column = 0; column < detailsColumn_; ++column) {
        bindField(insertRound_, column + 1, record[column], columns_[column].number);
    }
    insertRound_.exec();
    insertRound_.reset();
    if (!hasDetails(record)) {
        return;
    }
    if (!insertDetails_) {
        ensureHandicapTables(scorebook_);
        insertDetails_ = std::make_unique<SQLite::Statement>(
            scorebook_, "INSERT OR IGNORE INTO round_details (record_no, tee, played_on, pcc) VALUES (?, ?, ?, ?)");
    }
    insertDetails_->bind(1, static_cast<int64_t>(keyOf(record)));
    for (int detail = 0; detail < roundDetailCount; ++detail) {
        const int column = detailsColumn_ + detail;
        bindField(*insertDetails_, detail + 2, record[column], columns_[column].number);
    }
    insertDetails_->exec();
    insertDetails_->reset();
}

} // namespace exchange
