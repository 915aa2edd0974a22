// The game at program start, with each timer tied to the handler its tick runs.
#include "game/game.h"

#include "computer/computer_player.h"

namespace quimbo {

Game::Game(Random& random_, Platform& platform_)
    : random(random_), platform(platform_), form1(clock) {
  // The computer answers one second after the player's move.
  form1.timer1.onTick([this] { pressCommand3(form1, random); });
}

}  // namespace quimbo
