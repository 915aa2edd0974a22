// The randomized tests and the fuzzer speak the game's own inputs: any two bytes make one, and
// after every input the game's invariants must hold, whatever the order.
#pragma once

#include <cstdint>
#include <string>

#include "core/game.h"

namespace quimbo::test {

// The first byte picks one of every input the game takes (leaving seldom, so a sequence goes on)
// or a wait, the second the wait's length: up to 2.55 s.
Input decodeInput(std::uint8_t kind, std::uint8_t value);
std::string describe(Input input);  // for replaying a failure

// What is wrong with the game now, or "" when every invariant holds: each cell holds a piece
// exactly when one of that side's pieces stands on it, each side uses its pieces in order, the
// score captions are among their eleven forms and add up to two points a round, at most five
// rounds are counted, and at most one announcement is on screen.
std::string brokenInvariant(const Game& game);

// Plays on as a patient user would until the running match shows its result, acknowledges it and
// starts a new match; "" when that worked, otherwise what went wrong.
std::string finishMatchAndStartAnother(Game& game, std::uint64_t seed);

}  // namespace quimbo::test
