// The computer's move, in three chained stages: "Ataque" completes a line of its own, "Defensa"
// blocks the player's, "Aleatorio" follows its opening preferences or chance. A stage that makes
// no move hands over to the next one, which runs to completion before the first returns.
#pragma once

#include "core/model/main_window_state.h"
#include "core/model/random.h"

namespace quimbo {

// "Ataque", the first stage: a second after the player's move, the computer's move timer runs it.
void attack(MainWindowState& main, Random& random);

}  // namespace quimbo
