#include "printing/stats_page.h"

#include "core/records/text_rules.h"
#include "core/rules/stats_figures.h"

namespace {

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

    // The same figures as the window shows, strokes and putts side by side.
    const StatsFigures strokes = strokeFigures(stats);
    const StatsFigures putts = puttFigures(stats);
    QStringList averages;
    QStringList totals;
    QStringList rounds;
    const QString roundNames[]
        = {QStringLiteral("Front Nine"), QStringLiteral("Back Nine"), QStringLiteral("Round 18")};
    for (int i = 0; i < 3; ++i) {
        const QString caption = QStringLiteral("Par %1's").arg(i + 3);
        averages.append(tableRow({caption, strokes.parAverage[i], putts.parAverage[i]}));
        totals.append(tableRow({caption, strokes.parTotal[i], putts.parTotal[i]}));
        rounds.append(tableRow({roundNames[i], strokes.roundAverage[i], putts.roundAverage[i]}));
    }

    const QString html = QStringLiteral("<h1>Player Statistics</h1><p>Golfer: <b>%1</b><br>Course: <b>%2</b></p>")
                             .arg(escaped(golfer.trimmed()), escaped(course.trimmed()))
        + table(QStringLiteral("Par Recap"), recap) + table(QStringLiteral("Averages by Par"), averages)
        + table(QStringLiteral("Totals by Par"), totals) + table(QStringLiteral("Averages per Round"), rounds);
    return {QStringLiteral("Player Statistics %1 %2").arg(golfer.trimmed(), course.trimmed()), html};
}
