// Form5, "Empate": two rows of alternating pieces with the word between them.
#pragma once

#include "ui/panel_window.h"

namespace quimbo::ui {
class Dispatcher;
}

namespace quimbo {

class DrawnRoundWindow : public ui::PanelWindow {
  Q_OBJECT

 public:
  DrawnRoundWindow(ui::Dispatcher& dispatcher, QWidget* owner);
  void refresh();

 private:
  ui::Dispatcher& dispatcher_;
};

}  // namespace quimbo
