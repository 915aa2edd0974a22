// Showing the splash and leaving it.
#include "core/rules/splash.h"

#include "core/model/clock.h"
#include "core/model/main_window_state.h"
#include "core/model/windows.h"

namespace quimbo {

void startProgram(Game& game) {
  game.splash.visible = true;
  game.splash.timeUp.enable();
}

void leaveSplash(Game& game) {
  game.splash.timeUp.disable();
  game.mainWindow.visible = true;
  game.splash.visible = false;
}

}  // namespace quimbo
