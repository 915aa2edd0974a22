// The splash: a won line of pieces beside the game's title, its version and its maker.
#pragma once

#include "core/model/game_state.h"
#include "shell/dispatcher.h"
#include "shell/windows/game_window.h"
#include "ui/fixed_window.h"

namespace quimbo {

class SplashWindow : public GameWindow<ui::FixedWindow> {
 public:
  explicit SplashWindow(Dispatcher& dispatcher);
  void refresh(const Game& game) override;
};

}  // namespace quimbo
