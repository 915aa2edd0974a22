// The credits: who made the game, a dedication to our partner site, and "Aceptar".
#pragma once

#include <QWidget>

#include "core/model/game_state.h"
#include "shell/dispatcher.h"
#include "shell/windows/game_window.h"
#include "ui/fixed_window.h"

namespace quimbo {

struct Credit;

class CreditsWindow : public GameWindow<ui::FixedWindow> {
 public:
  CreditsWindow(Dispatcher& dispatcher, QWidget* owner);
  void refresh(const Game& game) override;
  // Raises the credits above the board and gives them the keyboard, when they are on screen.
  void bringToFront();

 private:
  void addCredit(const Credit& credit);

  QWidget* accept_;
};

}  // namespace quimbo
