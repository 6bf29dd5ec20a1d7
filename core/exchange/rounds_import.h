#pragma once

#include "core/exchange/import_target.h"
#include "core/exchange/row_query.h"

#include <SQLiteCpp/Statement.h>

#include <unordered_set>

namespace exchange {

// Rounds, keyed by their record number, which an imported round keeps. Each
// round of the file is compared with the scorebook as it was before the import;
// a record number met twice in the file conflicts the second time.
class RoundsImport : public ImportTarget
{
public:
    explicit RoundsImport(SQLite::Database &scorebook); // throws SQLite::Exception

    Kind kind() const override { return Kind::Rounds; }
    std::optional<CsvProblem> check(const std::vector<CsvField> &record) const override;
    Match match(const std::vector<CsvField> &record) override;
    void store(const std::vector<CsvField> &record) override;

private:
    // Record numbers met in the file; files are mostly in ascending order,
    // which a plain list holds more cheaply than a hash set.
    class SeenKeys
    {
    public:
        bool insert(qint64 key); // false when met before

    private:
        std::vector<qint64> ascending_;
        std::unordered_set<qint64> scattered_;
    };

    bool hasDetails(const std::vector<CsvField> &record) const;
    bool sameAsStored(const std::vector<CsvField> &record);

    SQLite::Database &scorebook_;
    int detailsColumn_ = 0;
    std::vector<qint64> storedKeys_; // ascending
    SeenKeys seen_;
    RowQuery storedRound_;
    SQLite::Statement insertRound_;
    std::unique_ptr<SQLite::Statement> insertDetails_;
    std::string scratch_;
};

} // namespace exchange
