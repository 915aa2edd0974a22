// A user who plays whole matches through the game's handlers: acknowledges every announcement,
// clicks a random free cell whenever the board is open, and lets time pass a second at a time.
#pragma once

#include <cstdint>
#include <random>

#include "core/game.h"

namespace quimbo::test {

class MatchPlayer {
 public:
  MatchPlayer(Game& game, std::uint64_t seed) : game_(game), choice_(seed) {}

  // One thing a user does, then one second passes.
  void step();
  // Presses the start button and plays until the result window shows (at most `maxSteps` steps);
  // false if it never showed.
  bool playMatch(int maxSteps = 200);

  // Who opened each round, in order, as seen on the board: the side of its first piece.
  const std::vector<Side>& openers() const { return openers_; }

 private:
  void noteOpener();

  Game& game_;
  std::mt19937_64 choice_;
  std::vector<Side> openers_;
  bool boardWasEmpty_ = true;
};

// Whether the board takes a click now.
bool boardIsOpen(const Form1& form);

}  // namespace quimbo::test
