#pragma once

class MessageBoxes;

// While another program holds the scorebook, every window asks after about a
// second whether to wait again, instead of freezing until a long timeout ends.
void askWhenScorebookBusy(MessageBoxes &messages);
void stopAskingWhenScorebookBusy();
