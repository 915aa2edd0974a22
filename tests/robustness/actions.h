// The action language of the randomized tests and the fuzzer: everything a user can do to the
// game, and time passing, each coded in two bytes; and the invariants that must hold after every
// action, whatever the order.
#pragma once

#include <cstdint>
#include <string>

#include "game/game.h"

namespace quimbo::test {

enum class ActionKind {
  ClickCell,     // a click on Image1..Image9, at any moment
  PressStart,    // the start button, when it is on screen
  Acknowledge,   // a click on whichever announcement or result window is on screen
  ChooseSobre,   // "&Sobre "
  PressAceptar,  // "Aceptar" on the credits, when they are on screen
  ClickLink,     // the banner
  Wait,          // time passes
};

struct Action {
  ActionKind kind;
  int value;  // the click target for ClickCell, milliseconds for Wait

  std::string describe() const;  // for replaying a failure
};

// Any two bytes make an action: the first picks the kind, the second its value.
Action decodeAction(std::uint8_t kind, std::uint8_t value);

// Does what a user can do; the game itself ignores clicks on what is not on screen.
void perform(Game& game, const Action& action);

// What is wrong with the game now, or "" when every invariant holds: each cell holds a piece
// exactly when one of that side's pieces stands on it, each side uses its pieces in order, the
// score captions are among their eleven forms and add up to two points a round, at most five
// rounds are counted, and at most one announcement is on screen.
std::string brokenInvariant(const Game& game);

// Plays on as a patient user would until the running match shows its result, acknowledges it and
// starts a new match; "" when that worked, otherwise what went wrong.
std::string finishMatchAndStartAnother(Game& game, std::uint64_t seed);

}  // namespace quimbo::test
