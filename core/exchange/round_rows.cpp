#include "core/exchange/round_rows.h"

namespace exchange {

std::vector<Column> roundColumns(SQLite::Database &scorebook)
{
    std::vector<Column> columns = storedColumns(scorebook, "rounds");
    columns.push_back({"tee", false});
    columns.push_back({"played_on", false});
    columns.push_back({"pcc", true});
    return columns;
}

std::string roundRowsSql(SQLite::Database &scorebook, const std::string &filter)
{
    const std::string rows = hasTable(scorebook, "round_details")
        ? "SELECT r.*, d.tee, d.played_on, d.pcc FROM rounds r LEFT JOIN round_details d ON d.record_no = r.record_no"
        : "SELECT r.*, NULL, NULL, NULL FROM rounds r";
    return rows + filter + " ORDER BY r.record_no";
}

} // namespace exchange
