// Form6, the splash: a won line of pieces beside the game's title, its version and its maker.
#pragma once

#include "ui/fixed_window.h"

namespace quimbo::ui {
class Dispatcher;
}

namespace quimbo {

class SplashWindow : public ui::FixedWindow {
  Q_OBJECT

 public:
  explicit SplashWindow(ui::Dispatcher& dispatcher);
  void refresh();

 private:
  ui::Dispatcher& dispatcher_;
};

}  // namespace quimbo
