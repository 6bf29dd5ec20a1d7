#pragma once

#include "core/trends/trend_figures.h"

#include <QString>

#include <vector>

class QChartView;
class QWidget;

// A chart of one figure over time: the value of each dated round and the
// average of the last five, against the day played.
QChartView *makeTrendChart(QWidget *parent, const QString &name, const QString &title);

// Replaces the chart's lines with the points; no points leaves it empty.
void showTrend(QChartView *view, const std::vector<trends::Point> &points);
