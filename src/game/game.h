// Everything the running game holds: the windows' models, the clock that drives their timers,
// and its links to chance and to the desktop.
#pragma once

#include "game/clock.h"
#include "game/form1.h"
#include "game/platform.h"
#include "game/random.h"
#include "game/window_states.h"

namespace quimbo {

class Game {
 public:
  Game(Random& random, Platform& platform);
  Game(const Game&) = delete;
  Game& operator=(const Game&) = delete;

  Clock clock;
  Random& random;
  Platform& platform;

  Form1 form1;                        // the main window
  bool form1Visible = false;          // it appears when the splash has had its three seconds
  TimedWindow form2;                  // "Ganador": the player won the round
  TimedWindow form3;                  // "Ganador": the computer won the round
  ResultWindowState form4;            // "Resultado Final"
  TimedWindow form5;                  // "Empate"
  TimedWindow form6;                  // the splash
  CreditsWindowState form7;           // the credits
  bool browserNoticeVisible = false;  // the link could not start a browser
  bool ended = false;                 // the player left: nothing happens any more

  TimedWindow& roundWonWindow(Side winner) { return winner == Side::Player ? form2 : form3; }
  const TimedWindow& roundWonWindow(Side winner) const {
    return winner == Side::Player ? form2 : form3;
  }
};

}  // namespace quimbo
