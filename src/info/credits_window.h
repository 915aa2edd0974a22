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

 private:
  void addCredit(const Credit& credit);

  ui::Dispatcher& dispatcher_;
};

}  // namespace quimbo
