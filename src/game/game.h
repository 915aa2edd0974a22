// Everything the running game holds: the windows' models, the clock that drives their timers,
// and its links to chance and to the desktop.
#pragma once

#include "game/clock.h"
#include "game/form1.h"
#include "game/platform.h"
#include "game/random.h"
#include "info/info_states.h"
#include "outcome/outcome_states.h"

namespace quimbo {

class Game {
public:
  Game(Random& random, Platform& platform);
  Game(const Game&) = delete;
  Game& operator=(const Game&) = delete;

  Clock clock;
  Random& random;
  Platform& platform;

  Form1 form1;                // the main window
  bool form1Visible = false;  // it appears when the splash has had its three seconds
  OutcomeState form2;        // "Ganador": the player won the round
  OutcomeState form3;        // "Ganador": the computer won the round
  ResultState form4;         // "Resultado Final"
  OutcomeState form5;        // "Empate"
  SplashState form6;
  CreditsState form7;
  bool browserNoticeVisible = false;  // the link could not start a browser
  bool ended = false;                 // the player left: nothing happens any more

  OutcomeState& roundWonWindow(Side winner) { return winner == Side::Player ? form2 : form3; }
  const OutcomeState& roundWonWindow(Side winner) const {
    return winner == Side::Player ? form2 : form3;
  }
};

}  // namespace quimbo
