#include "printing/stats_page.h"

#include "core/records/text_rules.h"
#include "core/rules/statistics.h"

namespace {

const QString NotAvailable = QStringLiteral("N/A");

QString average(double count, double sum)
{
    return count > 0.0 && sum > 0.0 ? text::averageFormat(sum / count) : NotAvailable;
}

QString total(double count, double sum)
{
    return count > 0.0 ? text::totalFormat(sum) : NotAvailable;
}

QString table(const QString &heading, const QStringList &rows)
{
    return QStringLiteral("<h2>%1</h2><table width=\"60%\">").arg(escaped(heading))
        + tableRow({QString(), QStringLiteral("Strokes"), QStringLiteral("Putts")}, true) + rows.join(QString())
        + QStringLiteral("</table>");
}

} // namespace

PrintedPage statsPage(const QString &golfer, const QString &course, const Stats &stats)
{
    const QString recapNames[Stats::ResultClasses] = {QStringLiteral("Double Eagles"),
                                                      QStringLiteral("Eagles"),
                                                      QStringLiteral("Birdies"),
                                                      QStringLiteral("Pars"),
                                                      QStringLiteral("Bogeys"),
                                                      QStringLiteral("Double Bogeys"),
                                                      QStringLiteral("Triple Bogeys or More")};
    QStringList recap;
    for (int result = 0; result < Stats::ResultClasses; ++result) {
        recap.append(tableRow({recapNames[result], QString::number(stats.stroke_recap[result]),
                               QString::number(stats.putt_recap[result])}));
    }
    recap.append(tableRow({QStringLiteral("Holes In One"), QString::number(stats.holes_in_one), QString()}));

    QStringList averages;
    QStringList totals;
    for (int par = 3; par <= 5; ++par) {
        const QString caption = QStringLiteral("Par %1's").arg(par);
        averages.append(tableRow({caption, average(stats.stroke_count[par], stats.stroke_total[par]),
                                  average(stats.putt_count[par], stats.putt_total[par])}));
        totals.append(tableRow({caption, total(stats.stroke_count[par], stats.stroke_total[par]),
                                total(stats.putt_count[par], stats.putt_total[par])}));
    }
    QStringList rounds;
    const QString roundNames[]
        = {QStringLiteral("Front Nine"), QStringLiteral("Back Nine"), QStringLiteral("Round 18")};
    for (int slot = 6; slot <= 8; ++slot) {
        rounds.append(tableRow({roundNames[slot - 6], average(stats.stroke_count[slot], stats.stroke_total[slot]),
                                average(stats.putt_count[slot], stats.putt_total[slot])}));
    }

    const QString html = QStringLiteral("<h1>Player Statistics</h1><p>Golfer: <b>%1</b><br>Course: <b>%2</b></p>")
                             .arg(escaped(golfer.trimmed()), escaped(course.trimmed()))
        + table(QStringLiteral("Par Recap"), recap) + table(QStringLiteral("Averages by Par"), averages)
        + table(QStringLiteral("Totals by Par"), totals) + table(QStringLiteral("Averages per Round"), rounds);
    return {QStringLiteral("Player Statistics %1 %2").arg(golfer.trimmed(), course.trimmed()), html};
}
