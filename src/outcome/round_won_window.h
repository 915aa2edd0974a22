// Form2 and Form3, "Ganador": the winner's piece above the word, on a small panel.
#pragma once

#include "game/board.h"
#include "ui/panel_window.h"

namespace quimbo::ui {
class Dispatcher;
}

namespace quimbo {

class RoundWonWindow : public ui::PanelWindow {
  Q_OBJECT

 public:
  RoundWonWindow(ui::Dispatcher& dispatcher, Side winner, QWidget* owner);
  void refresh();

 private:
  ui::Dispatcher& dispatcher_;
  Side winner_;
};

}  // namespace quimbo
