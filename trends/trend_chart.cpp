#include "trends/trend_chart.h"

#include <QChart>
#include <QChartView>
#include <QDateTimeAxis>
#include <QLineSeries>
#include <QScatterSeries>
#include <QValueAxis>

#include <algorithm>

namespace {

qreal dayValue(const QDate &day)
{
    return qreal(day.startOfDay().toMSecsSinceEpoch());
}

} // namespace

QChartView *makeTrendChart(QWidget *parent, const QString &name, const QString &title)
{
    auto *chart = new QChart;
    chart->setTitle(title);
    chart->legend()->setAlignment(Qt::AlignBottom);
    chart->setAnimationOptions(QChart::NoAnimation);
    auto *view = new QChartView(chart, parent);
    view->setObjectName(name);
    view->setAccessibleName(title + QStringLiteral(" chart"));
    view->setAccessibleDescription(QStringLiteral("The same figures are in the table of rounds."));
    view->setRenderHint(QPainter::Antialiasing);
    view->setMinimumSize(420, 260);
    return view;
}

void showTrend(QChartView *view, const std::vector<trends::Point> &points)
{
    QChart *chart = view->chart();
    chart->removeAllSeries();
    for (QAbstractAxis *axis : chart->axes()) {
        chart->removeAxis(axis);
        delete axis;
    }
    if (points.empty()) {
        return;
    }
    auto *values = new QScatterSeries;
    values->setName(QStringLiteral("Round"));
    values->setMarkerSize(7);
    auto *averages = new QLineSeries;
    averages->setName(QStringLiteral("Average of the last %1").arg(trends::averageSpan));
    QList<QPointF> valuePoints;
    QList<QPointF> averagePoints;
    for (const trends::Point &point : points) {
        valuePoints.append({dayValue(point.date), point.value});
        if (point.average) {
            averagePoints.append({dayValue(point.date), *point.average});
        }
    }
    values->replace(valuePoints);
    averages->replace(averagePoints);
    chart->addSeries(values);
    chart->addSeries(averages);

    auto *days = new QDateTimeAxis;
    days->setFormat(QStringLiteral("yyyy-MM-dd"));
    days->setTickCount(std::min<int>(6, std::max<int>(2, int(points.size()))));
    // A single day still needs a span to be drawn.
    days->setRange(points.front().date.addDays(-1).startOfDay(), points.back().date.addDays(1).startOfDay());
    auto *numbers = new QValueAxis;
    const auto [low, high] = std::minmax_element(points.begin(), points.end(),
                                                 [](const auto &a, const auto &b) { return a.value < b.value; });
    numbers->setRange(low->value - 1, high->value + 1);
    numbers->applyNiceNumbers();
    chart->addAxis(days, Qt::AlignBottom);
    chart->addAxis(numbers, Qt::AlignLeft);
    for (QAbstractSeries *series : chart->series()) {
        series->attachAxis(days);
        series->attachAxis(numbers);
    }
}
