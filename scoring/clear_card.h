#pragma once

class Clock;
class QWidget;

// Empties a card window: every course cell and total "0", the course list back
// to its prompt; on the score card also the entry boxes, the golfer list, the
// golfer's name and today's date. The window is told apart by its name
// ("frmScoreround" or "frmCourse"); its controls are found by name.
void clear_card(QWidget *cardWindow, const Clock &clock);
