// The one way into the game: every input, from the windows, the tests or the fuzzer, goes through
// handle(), which runs the rules it sets off to completion.
#pragma once

#include "core/input.h"  // IWYU pragma: export
#include "core/model/game_state.h"  // IWYU pragma: export

namespace quimbo {

// Runs what the input sets off to completion: a click's handler and every stage it hands over to,
// or every timer that falls due while the time passes; then words the news of it. An input from a
// window that is not showing changes nothing, and once the player has left nothing happens.
void handle(Game& game, Input input);

}  // namespace quimbo
