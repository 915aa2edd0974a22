// The state of the splash and the credits windows.
#pragma once

#include "game/clock.h"

namespace quimbo {

inline constexpr Milliseconds kSplashTime = 3000;

// Form6, shown for the first three seconds of the program.
struct SplashState {
  explicit SplashState(Clock& clock) : timer1(clock, kSplashTime) {}

  bool visible = false;
  Timer timer1;  // leaves the splash for the main window
};

// Form7, the credits: loaded the first time it is asked for, then shown and hidden.
struct CreditsState {
  bool visible = false;
};

}  // namespace quimbo
