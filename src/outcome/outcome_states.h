// The state of the windows that announce a round's outcome and the match result.
#pragma once

#include <string>

#include "game/clock.h"

namespace quimbo {

inline constexpr Milliseconds kNextRoundDelay = 1000;

// Form2 (the player won the round), Form3 (the computer won) and Form5 (a draw). The window object
// lives on while it is closed, so its timer can prepare the next round a second after the click.
struct OutcomeState {
  explicit OutcomeState(Clock& clock) : timer1(clock, kNextRoundDelay) {}

  bool visible = false;
  Timer timer1;  // the next-round preparation
};

// Form4, loaded afresh at the end of each match with both totals.
struct ResultState {
  bool visible = false;
  std::string label2;  // the computer's points
  std::string label3;  // the player's points
};

}  // namespace quimbo
