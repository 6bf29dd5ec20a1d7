#include "handicap/handicap_table.h"

#include <QTableWidget>

void fillTable(QTableWidget &table, const std::vector<QStringList> &rows)
{
    table.setUpdatesEnabled(false);
    table.clearContents();
    table.setRowCount(int(rows.size()));
    for (int row = 0; row < int(rows.size()); ++row) {
        for (int column = 0; column < table.columnCount(); ++column) {
            const QString text = rows[row].value(column);
            auto *cell = new QTableWidgetItem(text);
            const QString heading = table.horizontalHeaderItem(column)->text();
            cell->setData(Qt::AccessibleTextRole,
                          text.isEmpty() ? heading + QStringLiteral(": none") : heading + QLatin1Char(' ') + text);
            table.setItem(row, column, cell);
        }
    }
    table.setUpdatesEnabled(true);
}
