// A patient user who plays through the game's one door, and a referee who judges every outcome
// from the board and the captions alone, never through the code under test.
#pragma once

#include <cstdint>
#include <random>
#include <string>

#include "core/game.h"

namespace quimbo::test {

class Player {
 public:
  Player(Game& game, std::uint64_t seed) : game_(game), choice_(seed) {}

  // One thing a user does (acknowledge what shows, press Jugar, or click a free cell), then a
  // second passes; what the referee found wrong, or "".
  std::string step();
  // Plays on until the match's result shows; what went wrong, or "".
  std::string finishMatch();

  std::string openers;   // who opened each round, from its first piece: '0' or '1'
  std::string outcomes;  // each round as the board showed it: '1' or '0' won, '=' drawn

 private:
  std::string judgeAnnouncement();

  Game& game_;
  std::mt19937_64 choice_;
  bool boardWasEmpty_ = true;
};

// Any two bytes make an input of kEveryInput, or a wait of up to 2.55 s: the randomized tests and
// the fuzzer speak the game's own inputs. Leaving comes seldom, so that a sequence goes on.
Input decodeInput(std::uint8_t kind, std::uint8_t value);

// What breaks the rules of the board now, or "": each side's pieces are used in order, each one
// on the board stands on a cell of its side's mark and each one in hand out of sight, the
// captions add up to two points a played round, and at most one announcement shows.
std::string brokenInvariant(const Game& game);

}  // namespace quimbo::test
