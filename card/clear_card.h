#pragma once

class CardGrid;

// Empties a card: every course cell and course total "0"; on the score card
// also every stroke and putt box (each change runs the window's totals) and
// the golfer's name. Lists, dates and what the card means stay with its window.
void clear_card(CardGrid &card);
