#include "core/records/round.h"

#include "core/records/round_layout.h"

using namespace round_layout;

namespace {

template<typename AnyRound> auto &seriesOf(AnyRound &round, round_layout::Series series)
{
    decltype(&round.strokes) all[] = {&round.strokes, &round.pars, &round.putts};
    return *all[series];
}

} // namespace

Round Round::fromRecord(const QStringList &round_record)
{
    Round round;
    round.course = round_record.value(Course);
    round.golfer = round_record.value(Golfer);
    round.date = round_record.value(Date);
    for (round_layout::Series series : {Strokes, Par, Putts}) {
        Series &values = seriesOf(round, series);
        for (int hole = 1; hole <= 18; ++hole) {
            values.holes[hole - 1] = round_record.value(holeEntry(series, hole));
        }
        values.front = round_record.value(frontTotalEntry(series));
        values.back = round_record.value(backTotalEntry(series));
        values.total = round_record.value(roundTotalEntry(series));
    }
    return round;
}

QStringList Round::toRecord() const
{
    QStringList record(Entries, QStringLiteral("0"));
    record[Course] = course;
    record[Golfer] = golfer;
    record[Date] = date;
    for (round_layout::Series series : {Strokes, Par, Putts}) {
        const Series &values = seriesOf(*this, series);
        for (int hole = 1; hole <= 18; ++hole) {
            record[holeEntry(series, hole)] = values.holes[hole - 1];
        }
        record[frontTotalEntry(series)] = values.front;
        record[backTotalEntry(series)] = values.back;
        record[roundTotalEntry(series)] = values.total;
    }
    return record;
}
