#pragma once

class CardGrid;
struct SharedState;

// Put one nine of a cached course onto a card (the score card or the course
// card viewer): the five course rows of each hole as stored, the nine totals
// as stored, and the eighteen-hole totals as front plus back.
void fill_front_card(CardGrid &card, const SharedState &state, int row);
void fill_back_card(CardGrid &card, const SharedState &state, int row);
