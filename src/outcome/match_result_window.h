// Form4, "Resultado Final": both totals under the two sides' pieces.
#pragma once

#include "ui/panel_window.h"

class QLabel;

namespace quimbo::ui {
class Dispatcher;
}

namespace quimbo {

class MatchResultWindow : public ui::PanelWindow {
  Q_OBJECT

 public:
  MatchResultWindow(ui::Dispatcher& dispatcher, QWidget* owner);
  void refresh();

 private:
  ui::Dispatcher& dispatcher_;
  QLabel* label2_;  // the computer's points
  QLabel* label3_;  // the player's points
};

}  // namespace quimbo
