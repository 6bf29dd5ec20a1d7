#pragma once

#include <QStringList>

#include <vector>

class QTableWidget;

// Fills a read-only table with rows of texts, each cell announced with its
// column's heading ("Differential 14.2") so a screen reader says what it is.
void fillTable(QTableWidget &table, const std::vector<QStringList> &rows);
