// Everything the running game holds: the windows' models, the clock that drives their timers,
// and its links to chance and to the desktop.
#pragma once

#include "game/clock.h"
#include "game/form1.h"
#include "game/platform.h"
#include "game/random.h"
#include "outcome/outcome_windows.h"

namespace quimbo {

class Game {
public:
  Game(Random& random, Platform& platform);
  Game(const Game&) = delete;
  Game& operator=(const Game&) = delete;

  Clock clock;
  Random& random;
  Platform& platform;

  Form1 form1;           // the main window
  OutcomeWindow form2;   // "Ganador": the player won the round
  OutcomeWindow form3;   // "Ganador": the computer won the round
  ResultWindow form4;    // "Resultado Final"
  OutcomeWindow form5;   // "Empate"

  OutcomeWindow& roundWonWindow(Side winner) { return winner == Side::Player ? form2 : form3; }
  const OutcomeWindow& roundWonWindow(Side winner) const {
    return winner == Side::Player ? form2 : form3;
  }
};

}  // namespace quimbo
