// Everything the running game holds: the windows' models, the clock that drives their timers, and
// its links to chance and to the desktop. The game changes only through handle() (core/game.h).
#pragma once

#include <cstdint>
#include <string>

#include "core/model/board.h"  // IWYU pragma: export
#include "core/model/clock.h"  // IWYU pragma: export
#include "core/model/main_window_state.h"  // IWYU pragma: export
#include "core/model/platform.h"  // IWYU pragma: export
#include "core/model/random.h"  // IWYU pragma: export
#include "core/model/windows.h"  // IWYU pragma: export

namespace quimbo {

struct Game {
  // The game at program start, each timer tied to the rule its tick runs (core/game.cpp).
  Game(Random& random, Platform& platform);
  Game(const Game&) = delete;
  Game& operator=(const Game&) = delete;

  Clock clock;
  Random& random;
  Platform& platform;

  MainWindowState mainWindow;     // appears when the splash has had its time
  AnnouncementState playerWon;    // "Ganador" with the player's piece
  AnnouncementState computerWon;  // "Ganador" with the computer's piece
  ResultWindowState result;       // "Resultado Final"
  AnnouncementState draw;         // "Empate"
  SplashState splash;             // on screen when the program starts
  WindowState credits;
  WindowState browserNotice;      // the link could not open a browser
  bool ended = false;             // the player left: nothing happens any more

  // The news of the latest input that had any, in words, for a screen reader to speak once:
  // who opens, where each piece went, the score, why a click did nothing. Its number tells one
  // piece of news from the next.
  struct News {
    std::string text;
    std::uint64_t number = 0;
  } news;

  AnnouncementState& wonRound(Side winner) {
    return winner == Side::Player ? playerWon : computerWon;
  }
};

}  // namespace quimbo
