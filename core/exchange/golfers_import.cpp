#include "core/exchange/golfers_import.h"

#include "core/exchange/row_query.h"
#include "core/exchange/stored_value.h"

namespace exchange {

GolfersImport::GolfersImport(SQLite::Database &scorebook)
    : KeyedImport(storedColumns(scorebook, "golfers"), columnIndex(storedColumns(scorebook, "golfers"), "golfer_name"),
                  false)
    , insert_(scorebook, insertSql("golfers", columns(), int(columns().size())))
{
    RowQuery stored(scorebook.getHandle(), "SELECT * FROM golfers");
    while (stored.step()) {
        remember(storedValues(stored.row(), int(columns().size())));
    }
}

void GolfersImport::store(const std::vector<CsvField> &record)
{
    for (std::size_t column = 0; column < columns().size(); ++column) {
        bindField(insert_, int(column) + 1, record[column], columns()[column].number);
    }
    insert_.exec();
    insert_.reset();
}

} // namespace exchange
