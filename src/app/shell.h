// The program's windows, created once over one game and kept in step with it.
#pragma once

#include <memory>

#include "game/game.h"
#include "ui/dispatcher.h"

namespace quimbo {

class MainWindow;

class Shell {
public:
  Shell(Game& game, ui::Dispatcher::Time time);
  ~Shell();

  ui::Dispatcher& dispatcher() { return dispatcher_; }
  MainWindow& form1() { return *form1_; }

  // Shows the first window of the program.
  void start();

private:
  ui::Dispatcher dispatcher_;
  std::unique_ptr<MainWindow> form1_;
};

}  // namespace quimbo
