// The state of the windows around the main one: whether each is on screen, and the timers some
// of them own.
#pragma once

#include <string>

#include "core/model/clock.h"

namespace quimbo {

inline constexpr Milliseconds kNextRoundDelay = 1000;
inline constexpr Milliseconds kSplashTime = 3000;

// A window that is shown and hidden: the credits Form7, never unloaded, and the browser notice.
struct WindowState {
  bool visible = false;
};

// A window with a timer of its own: the outcome windows Form2, Form3 and Form5, whose timer
// prepares the next round a second after the click (the window object lives on while closed), and
// the splash Form6, whose timer leaves it for the main window.
struct TimedWindow {
  TimedWindow(Clock& clock, Milliseconds interval) : timer1(clock, interval) {}

  bool visible = false;
  Timer timer1;
};

// Form4, loaded afresh at the end of each match with both totals.
struct ResultWindowState {
  bool visible = false;
  std::string label2;  // the computer's points
  std::string label3;  // the player's points
};

}  // namespace quimbo
