// Form7, the credits: who made the game, a dedication to our partner site, and "Aceptar".
#pragma once

#include "ui/fixed_window.h"

namespace quimbo::ui {
class Dispatcher;
}

namespace quimbo {

struct Credit;

class CreditsWindow : public ui::FixedWindow {
  Q_OBJECT

 public:
  CreditsWindow(ui::Dispatcher& dispatcher, QWidget* owner);
  void refresh();
  // Raises the credits above the board and gives them the keyboard, when they are on screen.
  void bringToFront();

 protected:
  // Enter presses "Aceptar".
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void addCredit(const Credit& credit);

  ui::Dispatcher& dispatcher_;
  QWidget* accept_;
};

}  // namespace quimbo
