// The game at program start, with each timer tied to the handler its tick runs.
#include "game/game.h"

namespace quimbo {

Game::Game(Random& random_, Platform& platform_)
    : random(random_), platform(platform_), form1(clock) {}

}  // namespace quimbo
