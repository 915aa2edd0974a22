// Form5, "Empate": a drawn round.
#pragma once

#include "game/game.h"

namespace quimbo {

// A click anywhere on the window: it closes, each side gains a point, and the next round is
// prepared a second later. Ignored while the window is closed.
void acknowledgeDraw(Game& game);

// The window's Timer1: clears the board, counts the round, and opens the next round or shows the
// match result after the fifth.
void prepareRoundAfterDraw(Game& game);

}  // namespace quimbo
