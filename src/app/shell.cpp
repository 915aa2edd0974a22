// Creating the windows and starting the program.
#include "app/shell.h"

#include "game/main_window.h"
#include "info/credits_window.h"
#include "info/splash.h"
#include "info/splash_window.h"
#include "outcome/drawn_round_window.h"
#include "outcome/match_result_window.h"
#include "outcome/round_won_window.h"

namespace quimbo {

Shell::Shell(Game& game, ui::Dispatcher::Time time)
    : dispatcher_(game, time),
      form6_(std::make_unique<SplashWindow>(dispatcher_)),
      form1_(std::make_unique<MainWindow>(dispatcher_)),
      form2_(new RoundWonWindow(dispatcher_, Side::Player, form1_.get())),
      form3_(new RoundWonWindow(dispatcher_, Side::Matrix, form1_.get())),
      form4_(new MatchResultWindow(dispatcher_, form1_.get())),
      form5_(new DrawnRoundWindow(dispatcher_, form1_.get())),
      form7_(new CreditsWindow(dispatcher_, form1_.get())) {
  // The splash exists only for its three seconds: once the main window shows, it is unloaded.
  QObject::connect(&dispatcher_, &ui::Dispatcher::changed, form6_.get(), [this] {
    if (dispatcher_.game().form1Visible) form6_.release()->deleteLater();
  });
}

Shell::~Shell() = default;

void Shell::start() {
  dispatcher_.dispatch([](Game& game) { startProgram(game); });
}

}  // namespace quimbo
