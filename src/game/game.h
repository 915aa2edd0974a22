// Everything the running game holds: the windows' models, the clock that drives their timers,
// and its links to chance and to the desktop.
#pragma once

#include "game/clock.h"
#include "game/form1.h"
#include "game/platform.h"
#include "game/random.h"

namespace quimbo {

class Game {
public:
  Game(Random& random, Platform& platform);
  Game(const Game&) = delete;
  Game& operator=(const Game&) = delete;

  Clock clock;
  Random& random;
  Platform& platform;

  Form1 form1;
};

}  // namespace quimbo
