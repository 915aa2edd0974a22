// The program's windows, created once over one game and kept in step with it.
#pragma once

#include <memory>

#include "game/game.h"
#include "ui/dispatcher.h"

namespace quimbo {

class MainWindow;
class RoundWonWindow;
class DrawnRoundWindow;
class MatchResultWindow;
class SplashWindow;
class CreditsWindow;

class Shell {
public:
  Shell(Game& game, ui::Dispatcher::Time time);
  ~Shell();

  ui::Dispatcher& dispatcher() { return dispatcher_; }
  MainWindow& form1() { return *form1_; }
  RoundWonWindow& form2() { return *form2_; }
  RoundWonWindow& form3() { return *form3_; }
  MatchResultWindow& form4() { return *form4_; }
  DrawnRoundWindow& form5() { return *form5_; }
  SplashWindow* form6() { return form6_.get(); }  // none once the main window has appeared
  CreditsWindow& form7() { return *form7_; }

  // Starts the program: the splash first.
  void start();

private:
  ui::Dispatcher dispatcher_;
  std::unique_ptr<SplashWindow> form6_;
  std::unique_ptr<MainWindow> form1_;
  // The announcement windows belong to the main window, which keeps them above it.
  RoundWonWindow* form2_;
  RoundWonWindow* form3_;
  MatchResultWindow* form4_;
  DrawnRoundWindow* form5_;
  CreditsWindow* form7_;
};

}  // namespace quimbo
