#pragma once

#include "printing/printed_page.h"

struct Round;

// A score card as entered: golfer, course, date and tee (when the card has one),
// then per hole of both nines the par, strokes and putts, with the nine and
// eighteen-hole totals.
PrintedPage cardPage(const Round &round, const QString &tee = {});
