#include "core/trends/trend_figures.h"
#include "core/trends/trend_source.h"

#include <QtTest>

using namespace trends;

namespace {

RoundFigures dated(qint64 recordNo, const QDate &day, std::optional<double> total)
{
    RoundFigures round {recordNo, QStringLiteral("Oak"), day, {}};
    figure(round.values, Figure::Total) = total;
    return round;
}

handicap::RoundOutcome outcome(qint64 recordNo, const QString &course, std::optional<handicap::NotCounted> reason,
                               std::optional<int> indexAfter)
{
    handicap::RoundOutcome result;
    result.round.recordNo = recordNo;
    result.round.course = course;
    result.round.details = handicap::RoundDetails {QStringLiteral("white"), QDate(2026, 5, int(recordNo)), 0};
    result.gross = 80 + int(recordNo);
    result.reason = reason;
    result.indexAfter = indexAfter;
    return result;
}

} // namespace

// A golfer's figures over time: the order of the rounds, the averages of the
// last five, and which rounds have which figure.
class TrendsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // By day, then record number, the undated apart; an average is over the last five rounds with the figure.
    void roundsByDayAveragedOverThoseWithTheFigure()
    {
        // Record r played on r June, given last first; record 10 on 2 June too; record 6 has no total (nine holes).
        std::vector<RoundFigures> rounds {dated(9, QDate(), 70), dated(10, QDate(2026, 6, 2), 90),
                                          dated(8, QDate(), std::nullopt)};
        for (int r = 7; r >= 1; --r) {
            rounds.push_back(dated(r, QDate(2026, 6, r), r == 6 ? std::nullopt : std::optional<double>(80 + r)));
        }
        const Trends result = computeTrends(rounds);

        QList<qint64> order;
        for (const Row &row : result.dated) {
            order.append(row.round.recordNo);
        }
        QCOMPARE(order, QList<qint64>({1, 2, 10, 3, 4, 5, 6, 7}));
        QCOMPARE(result.undated.size(), size_t(2));
        QCOMPARE(result.undated[0].recordNo, qint64(8));
        QCOMPARE(result.undated[1].recordNo, qint64(9));
        QVERIFY(!figure(result.dated[3].averages, Figure::Total));
        QCOMPARE(*figure(result.dated[4].averages, Figure::Total), (81 + 82 + 90 + 83 + 84) / 5.0);
        QVERIFY(!figure(result.dated[6].averages, Figure::Total));

        const auto points = series(result, Figure::Total);
        QCOMPARE(points.size(), size_t(7));
        QCOMPARE(points.back().date, QDate(2026, 6, 7));
        QCOMPARE(points.back().value, 87.0);
        QCOMPARE(*points.back().average, (90 + 83 + 84 + 85 + 87) / 5.0);
        QVERIFY(series(result, Figure::Putts).empty());
    }

    void figuresOfAHandicapResult()
    {
        using handicap::NotCounted;
        handicap::HandicapResult result;
        result.rounds
            = {outcome(1, "Oak", std::nullopt, 184), outcome(2, "Oak", NotCounted::NineHoles, std::nullopt),
               outcome(3, "Elm", NotCounted::NoTeeRating, std::nullopt),
               outcome(4, "Oak", NotCounted::HolesNotPlayed, std::nullopt), outcome(5, "Oak", std::nullopt, -12)};
        result.rounds[2].round.details.reset();
        const QHash<qint64, int> putts {{1, 33}, {2, 16}, {3, 0}, {5, 30}};

        QStringList shown;
        for (const RoundFigures &round : roundFigures(result, putts)) {
            QStringList figures; // total, putts and index, "-" for one missing
            for (const std::optional<double> &value : round.values) {
                figures.append(value ? QString::number(*value) : QStringLiteral("-"));
            }
            shown.append(figures.join(' '));
        }
        // Nine holes or a hole left out: no total, so no putts either; no putts entered: none;
        // not counted: no index, but a total when every hole was played.
        QCOMPARE(shown, (QStringList {"81 33 18.4", "- - -", "83 - -", "- - -", "85 30 -1.2"}));

        const auto elm = roundFigures(result, putts, QStringLiteral("  Elm "));
        QCOMPARE(elm.size(), size_t(1));
        QCOMPARE(elm[0].recordNo, qint64(3));
        QVERIFY(!elm[0].playedOn.isValid()); // no details: undated
    }
};

QTEST_GUILESS_MAIN(TrendsTest)
#include "tst_trends.moc"
