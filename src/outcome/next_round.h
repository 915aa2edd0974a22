// Getting the board ready for the next round, shared by the won-round and drawn-round windows.
#pragma once

#include "game/form1.h"
#include "game/random.h"

namespace quimbo {

// Clears the cells and piece flags, the stages' move flags and the move count, and parks the
// pieces (their Top is kept).
void clearBoardForNextRound(Form1& form);

// Opens the next round: the computer opens when the player opened the round just played (the
// opening counter is 1, 3 or 5), otherwise the player is invited to start. Then the counter
// advances.
void openNextRound(Form1& form, Random& random);

}  // namespace quimbo
