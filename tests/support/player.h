// A patient user who plays through the game's one door, and a referee who judges every outcome
// from the board and the captions alone, never through the code under test.
#pragma once

#include <cstdint>
#include <random>
#include <span>
#include <string>

#include "core/model/game_state.h"

namespace quimbo::test {

class Player {
 public:
  Player(Game& game, std::uint64_t seed) : game_(game), choice_(seed) {}

  // One thing a user does (acknowledge what shows, press Jugar, or click a free cell), then a
  // second passes; what the referee found wrong, or "".
  std::string step();
  // Plays on until the match's result shows; what went wrong, or "".
  std::string finishMatch();

  std::string outcomes;  // each round as the board showed it: '1' or '0' won, '=' drawn

 private:
  std::string judgeAnnouncement();

  Game& game_;
  std::mt19937_64 choice_;
};

// Plays the inputs that `bytes` spell, two bytes each, judging the rules of the board after every
// one, then plays the running match on to its result; what went wrong, or "". The randomized test
// and the fuzzer speak the game's own inputs this way.
std::string playBytes(Game& game, std::span<const std::uint8_t> bytes, std::uint64_t seed);

}  // namespace quimbo::test
