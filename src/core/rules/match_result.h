// "Resultado Final": both totals at the end of a match.
#pragma once

#include "core/model/game_state.h"

namespace quimbo {

inline constexpr int kRoundsPerMatch = 5;

// Loads the window afresh: each side's points show its total, or stay empty when the score
// caption is not one of the known forms.
void showMatchResult(Game& game);

// A click anywhere on the window: it closes and the main window is made ready for a new match.
void acknowledgeMatchResult(Game& game);

}  // namespace quimbo
