// Form4, "Resultado Final": both totals at the end of a match.
#pragma once

#include "core/game.h"

namespace quimbo {

inline constexpr int kRoundsPerMatch = 5;

// Loads the window afresh: each point label shows its side's total, or stays empty when the
// score caption is not one of the known forms.
void showMatchResult(Game& game);

// A click anywhere on the window: it closes and the main window is made ready for a new match.
// Ignored while the window is closed.
void acknowledgeMatchResult(Game& game);

}  // namespace quimbo
