#include "printing/card_page.h"

#include "core/records/round.h"

namespace {

QStringList seriesCells(const QString &caption, const Round::Series &series)
{
    QStringList cells {caption};
    for (int hole = 0; hole < 18; ++hole) {
        cells.append(series.holes[hole]);
        if (hole == 8) {
            cells.append(series.front);
        }
    }
    cells.append({series.back, series.total});
    return cells;
}

} // namespace

PrintedPage cardPage(const Round &round, const QString &tee)
{
    QStringList holes {QStringLiteral("Hole")};
    for (int hole = 1; hole <= 18; ++hole) {
        holes.append(QString::number(hole));
        if (hole == 9) {
            holes.append(QStringLiteral("OUT"));
        }
    }
    holes.append({QStringLiteral("IN"), QStringLiteral("TOT")});

    QString html = QStringLiteral("<h1>Score Card</h1><p>Golfer: <b>%1</b><br>Course: <b>%2</b><br>Date: <b>%3</b>")
                       .arg(escaped(round.golfer.trimmed()), escaped(round.course.trimmed()), escaped(round.date));
    if (!tee.isEmpty()) {
        html += QStringLiteral("<br>Tee: <b>%1</b>").arg(escaped(tee));
    }
    html += QStringLiteral("</p><table width=\"100%\">") + tableRow(holes, true)
        + tableRow(seriesCells(QStringLiteral("Par"), round.pars))
        + tableRow(seriesCells(QStringLiteral("Strokes"), round.strokes))
        + tableRow(seriesCells(QStringLiteral("Putts"), round.putts)) + QStringLiteral("</table>");
    return {QStringLiteral("Score Card %1 %2").arg(round.golfer.trimmed(), round.date), html};
}
