// The start of the program: three seconds of splash, then the main window.
#pragma once

#include "core/model/game_state.h"

namespace quimbo {

// The first thing the program does: the splash shows and its timer starts.
void startProgram(Game& game);

// The splash's time is up: the main window appears and the splash closes.
void leaveSplash(Game& game);

}  // namespace quimbo
