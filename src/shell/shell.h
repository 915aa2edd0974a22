// The program's windows over one game, kept in step with it. Only the splash exists at first:
// every other window is built the first time the game shows it (or a test asks for it), so the
// program reaches the screen quickly and keeps only what it has used.
#pragma once

#include <memory>

#include "core/game.h"
#include "shell/dispatcher.h"

namespace quimbo {

class MainWindow;
class RoundWonWindow;
class DrawnRoundWindow;
class MatchResultWindow;
class SplashWindow;
class CreditsWindow;

class Shell {
 public:
  Shell(Game& game, Dispatcher::Time time);
  ~Shell();

  Dispatcher& dispatcher() { return dispatcher_; }
  MainWindow& form1();
  RoundWonWindow& form2();
  RoundWonWindow& form3();
  MatchResultWindow& form4();
  DrawnRoundWindow& form5();
  SplashWindow* form6() { return form6_.get(); }  // none once the main window has appeared
  CreditsWindow& form7();

  // Starts the program: the splash first, the main window built behind it.
  void start();

 private:
  void buildWhatTheGameShows();
  void follow(Input input);
  template <typename Window, typename... Arguments>
  Window& ownedByForm1(Window*& window, Arguments... arguments);

  Dispatcher dispatcher_;
  std::unique_ptr<SplashWindow> form6_;
  std::unique_ptr<MainWindow> form1_;
  // The other windows belong to the main window, which keeps them above it.
  RoundWonWindow* form2_ = nullptr;
  RoundWonWindow* form3_ = nullptr;
  MatchResultWindow* form4_ = nullptr;
  DrawnRoundWindow* form5_ = nullptr;
  CreditsWindow* form7_ = nullptr;
};

}  // namespace quimbo
