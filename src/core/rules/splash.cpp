// Showing the splash and leaving it.
#include "core/rules/splash.h"

namespace quimbo {

void startProgram(Game& game) {
  game.form6.visible = true;
  game.form6.timer1.enable();
}

void leaveSplash(Game& game) {
  game.form6.timer1.disable();
  game.form1.visible = true;
  game.form6.visible = false;
}

}  // namespace quimbo
