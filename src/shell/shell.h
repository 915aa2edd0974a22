// The program's windows over one game, kept in step with it. Only the splash exists at first:
// every other window is built the first time the game shows it (or a test asks for it), so the
// program reaches the screen quickly and keeps only what it has used.
#pragma once

#include <memory>

#include "core/game.h"
#include "core/input.h"
#include "core/model/game_state.h"
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
  MainWindow& mainWindow();
  RoundWonWindow& playerWon();
  RoundWonWindow& computerWon();
  MatchResultWindow& result();
  DrawnRoundWindow& draw();
  SplashWindow* splash() { return splash_.get(); }  // none once the main window has appeared
  CreditsWindow& credits();

  // Starts the program: the splash first, the main window built behind it.
  void start();

 private:
  void buildWhatTheGameShows();
  void follow(Input input);
  template <typename Window, typename... Arguments>
  Window& ownedByMainWindow(Window*& window, Arguments... arguments);

  Dispatcher dispatcher_;
  std::unique_ptr<SplashWindow> splash_;
  std::unique_ptr<MainWindow> mainWindow_;
  // The other windows belong to the main window, which keeps them above it.
  RoundWonWindow* playerWon_ = nullptr;
  RoundWonWindow* computerWon_ = nullptr;
  MatchResultWindow* result_ = nullptr;
  DrawnRoundWindow* draw_ = nullptr;
  CreditsWindow* credits_ = nullptr;
};

}  // namespace quimbo
