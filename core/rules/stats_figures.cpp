#include "core/rules/stats_figures.h"

#include "core/records/text_rules.h"

namespace {

const QString NotAvailable = QStringLiteral("N/A");

StatsFigures figuresOf(const std::array<double, Stats::LastSlot + 1> &count,
                       const std::array<double, Stats::LastSlot + 1> &total,
                       const std::array<QString, 3> &nothingCounted)
{
    StatsFigures figures;
    for (int par = 3; par <= 5; ++par) {
        const bool counted = count[par] > 0.0;
        figures.parAverage[par - 3] = counted ? text::averageFormat(total[par] / count[par]) : nothingCounted[par - 3];
        figures.parTotal[par - 3] = counted ? text::totalFormat(total[par]) : nothingCounted[par - 3];
    }
    for (int slot = 6; slot <= 8; ++slot) {
        figures.roundAverage[slot - 6]
            = total[slot] > 0.0 && count[slot] > 0.0 ? text::averageFormat(total[slot] / count[slot]) : NotAvailable;
    }
    return figures;
}

} // namespace

StatsFigures strokeFigures(const Stats &stats)
{
    return figuresOf(stats.stroke_count, stats.stroke_total, {NotAvailable, NotAvailable, NotAvailable});
}

StatsFigures puttFigures(const Stats &stats)
{
    const bool shortHolesPutted = stats.putt_count[3] > 0.0 || stats.putt_count[4] > 0.0;
    const QString shortHolesNone = shortHolesPutted ? NotAvailable : QStringLiteral("0");
    return figuresOf(stats.putt_count, stats.putt_total, {shortHolesNone, shortHolesNone, QStringLiteral("0")});
}
