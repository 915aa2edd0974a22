// Everything the running game holds: the windows' models, the clock that drives their timers,
// and its links to chance and to the desktop; and handle(), the one way in.
#pragma once

#include <cstdint>
#include <string>

#include "core/input.h"
#include "core/model/clock.h"
#include "core/model/form1.h"
#include "core/model/platform.h"
#include "core/model/random.h"
#include "core/model/windows.h"

namespace quimbo {

class Game {
 public:
  Game(Random& random, Platform& platform);
  Game(const Game&) = delete;
  Game& operator=(const Game&) = delete;

  Clock clock;
  Random& random;
  Platform& platform;

  Form1 form1;                 // the main window; it appears when the splash has had its time
  TimedWindow form2;           // "Ganador": the player won the round
  TimedWindow form3;           // "Ganador": the computer won the round
  ResultWindowState form4;     // "Resultado Final"
  TimedWindow form5;           // "Empate"
  TimedWindow form6;           // the splash, on screen when the program starts
  WindowState form7;           // the credits
  WindowState browserNotice;   // the link could not open a browser
  bool ended = false;          // the player left: nothing happens any more

  // The news of the latest input that had any, in words, for a screen reader to speak once:
  // who opens, where each piece went, the score. Its number tells one piece of news from the next.
  struct News {
    std::string text;
    std::uint64_t number = 0;
  } news;

  TimedWindow& roundWonWindow(Side winner) { return winner == Side::Player ? form2 : form3; }
};

// Runs what the input sets off to completion: a click's handler and every button it presses, or
// every timer that falls due while the time passes. Once the player has left, nothing happens.
void handle(Game& game, Input input);

}  // namespace quimbo
