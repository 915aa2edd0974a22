// Form2 and Form3, "Ganador": the player's or the computer's won round.
#pragma once

#include "game/game.h"

namespace quimbo {

// A click anywhere on the window: it closes, the winner gains two points, and the next round is
// prepared a second later. Ignored while the window is closed.
void acknowledgeRoundWon(Game& game, Side winner);

// The window's Timer1: counts the round, clears the board and opens the next round, or shows the
// match result after the fifth.
void prepareRoundAfterWin(Game& game, Side winner);

}  // namespace quimbo
