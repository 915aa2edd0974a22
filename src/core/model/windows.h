// The state of the windows around the main one: whether each is on screen, and the timers some
// of them own.
#pragma once

#include <string>

#include "core/model/clock.h"

namespace quimbo {

inline constexpr Milliseconds kNextRoundDelay = 1000;
inline constexpr Milliseconds kSplashTime = 3000;

// A window that is shown and hidden: the credits, never unloaded, and the browser notice.
struct WindowState {
  bool visible = false;
};

// A window that announces the end of a round: the player's win, the computer's, or a draw. The
// window object lives on while closed, and its timer prepares the next round a second after the
// click.
struct AnnouncementState {
  explicit AnnouncementState(Clock& clock) : nextRound(clock, kNextRoundDelay) {}

  bool visible = false;
  Timer nextRound;
};

// The splash, on screen when the program starts, and its timer that leaves it for the main window.
struct SplashState {
  explicit SplashState(Clock& clock) : timeUp(clock, kSplashTime) {}

  bool visible = false;
  Timer timeUp;
};

// "Resultado Final", loaded afresh at the end of each match with both totals.
struct ResultWindowState {
  bool visible = false;
  std::string computerPoints;
  std::string playerPoints;
};

}  // namespace quimbo
