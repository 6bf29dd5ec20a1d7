#include "stats/mod_stats.h"

#include "core/records/resets.h"
#include "core/records/round_layout.h"
#include "core/records/shared_state.h"
#include "core/records/text_rules.h"
#include "core/scorebook/datgolf.h"
#include "ui/app_context.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

using round_layout::Series;

double entryNumber(const SharedState &state, int entry)
{
    return text::leadingNumber(state.round_record.at(entry));
}

double holeNumber(const SharedState &state, Series series, int hole)
{
    return entryNumber(state, round_layout::holeEntry(series, hole));
}

// Strokes minus par as a whole number: three or more under is a double eagle
// (an ace on a par 5 included), three or more over the last class.
int resultClass(double strokes, double par)
{
    const double difference = std::nearbyint(strokes - par);
    const double clamped = std::clamp(difference, -3.0, 3.0);
    return int(clamped) + 3;
}

bool isParType(double par)
{
    return par == 3.0 || par == 4.0 || par == 5.0;
}

// A hole left at 0 strokes was not played: it adds to no hole figure.
bool wasPlayed(double strokes)
{
    return strokes > 0.0;
}

void addStrokeHoles(SharedState &state, int firstHole)
{
    for (int hole = firstHole; hole < firstHole + 9; ++hole) {
        const double strokes = holeNumber(state, round_layout::Strokes, hole);
        const double par = holeNumber(state, round_layout::Par, hole);
        if (!wasPlayed(strokes)) {
            continue;
        }
        if (isParType(par)) {
            state.stroke_count[int(par)] += 1;
            state.stroke_total[int(par)] += strokes;
        }
        ++state.stroke_recap[resultClass(strokes, par)];
        if (strokes == 1.0) {
            ++state.holes_in_one;
        }
    }
}

void addPuttHoles(SharedState &state, int firstHole)
{
    for (int hole = firstHole; hole < firstHole + 9; ++hole) {
        const double strokes = holeNumber(state, round_layout::Strokes, hole);
        const double par = holeNumber(state, round_layout::Par, hole);
        const double putts = holeNumber(state, round_layout::Putts, hole);
        if (putts <= 0.0 || !wasPlayed(strokes)) {
            continue;
        }
        if (isParType(par)) {
            state.putt_count[int(par)] += 1;
            state.putt_total[int(par)] += putts;
        }
        ++state.putt_recap[resultClass(strokes, par)];
    }
}

void addNineFigure(std::array<double, SharedState::LastSlot + 1> &count,
                   std::array<double, SharedState::LastSlot + 1> &total, int slot, double value)
{
    if (value > 0.0) {
        count[slot] += 1;
        total[slot] += value;
    }
}

} // namespace

void add_round_stats(SharedState &state)
{
    const double f9 = entryNumber(state, round_layout::frontTotalEntry(round_layout::Strokes));
    const double b9 = entryNumber(state, round_layout::backTotalEntry(round_layout::Strokes));
    const double total = entryNumber(state, round_layout::roundTotalEntry(round_layout::Strokes));
    const double putf9 = entryNumber(state, round_layout::frontTotalEntry(round_layout::Putts));
    const double putb9 = entryNumber(state, round_layout::backTotalEntry(round_layout::Putts));
    const double puttot = entryNumber(state, round_layout::roundTotalEntry(round_layout::Putts));

    if (f9 > 0.0) {
        addStrokeHoles(state, 1);
        if (putf9 > 0.0) {
            addPuttHoles(state, 1);
        }
    }
    if (b9 > 0.0) {
        addStrokeHoles(state, 10);
    }
    // The back putts do not wait for a back stroke total, unlike the front ones.
    if (putb9 > 0.0) {
        addPuttHoles(state, 10);
    }

    addNineFigure(state.stroke_count, state.stroke_total, 6, f9);
    addNineFigure(state.stroke_count, state.stroke_total, 7, b9);
    addNineFigure(state.stroke_count, state.stroke_total, 8, total);
    addNineFigure(state.putt_count, state.putt_total, 6, putf9);
    addNineFigure(state.putt_count, state.putt_total, 7, putb9);
    addNineFigure(state.putt_count, state.putt_total, 8, puttot);
}

void compute_stats(AppContext &context, QWidget *window, DataControl &data, const QString &course,
                   const QString &golfer)
{
    data.refresh();
    if (data.recordCount() == 0) {
        context.messages->show(window,
                               {QStringLiteral("No Recorded Rounds"), QStringLiteral("There are no Rounds to compute"),
                                MessageButtons::Ok, MessageIcon::Information});
        return;
    }

    // Only the matching rounds are read; the comparison is the one a visit of
    // every record would make.
    const QVector<QStringList> rounds = data.roundsPlayedBy(golfer, course);
    const QStringList columns = data.fieldNames();
    std::array<int, round_layout::Entries> columnOfEntry {};
    for (int entry = 1; entry < round_layout::Entries; ++entry) {
        columnOfEntry[entry] = int(columns.indexOf(round_layout::fieldName(entry)));
    }

    SharedState &state = context.state;
    reset_round_record(state);
    for (const QStringList &round : rounds) {
        for (int entry = 1; entry < round_layout::Entries; ++entry) {
            state.round_record[entry] = round.value(columnOfEntry[entry], QStringLiteral("0"));
        }
        add_round_stats(state);
        reset_round_record(state);
    }
}
