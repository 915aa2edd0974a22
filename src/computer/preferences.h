// The random stage's preferences: fixed replies for the first moves of a round, tried before any
// cell is left to chance.
#pragma once

#include <cstdint>
#include <optional>

#include "game/random.h"
#include "game/state_panel.h"

namespace quimbo {

// The cell the preferences choose, or none. `openings` is the opening counter (odd while the
// player opened the round), `movesMade` the computer's counted moves in the round. The edge draw
// for rule A13 takes numbers from `random` whenever group A found nothing, whether A13 then
// applies or not. The target may be occupied: then the caller falls back to chance.
std::optional<int> preferredCell(const StatePanel& panel, std::int64_t openings,
                                 std::int64_t movesMade, Random& random);

}  // namespace quimbo
