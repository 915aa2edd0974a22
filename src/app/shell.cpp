// Building the windows when they are first needed, and starting the program.
#include "app/shell.h"

#include <QApplication>
#include <QIcon>
#include <QTimer>

#include "game/main_window.h"
#include "info/credits_window.h"
#include "info/splash.h"
#include "info/splash_window.h"
#include "outcome/drawn_round_window.h"
#include "outcome/match_result_window.h"
#include "outcome/round_won_window.h"

namespace quimbo {

namespace {

// Time for the splash to reach the screen before the main window is built behind it.
constexpr int kBuildBehindSplashMs = 200;

QIcon gameIcon() {
  QIcon icon;
  for (int size : {16, 24, 32, 48, 64}) {
    icon.addFile(QStringLiteral(":/pictures/icon-%1.png").arg(size), QSize(size, size));
  }
  return icon;
}

}  // namespace

Shell::Shell(Game& game, ui::Dispatcher::Time time)
    : dispatcher_(game, time), form6_(std::make_unique<SplashWindow>(dispatcher_)) {
  QObject::connect(&dispatcher_, &ui::Dispatcher::changed, [this] { buildWhatTheGameShows(); });
}

Shell::~Shell() = default;

void Shell::start() {
  dispatcher_.dispatch(startProgram);
  QTimer::singleShot(kBuildBehindSplashMs, &dispatcher_, [this] { form1(); });
}

void Shell::buildWhatTheGameShows() {
  const Game& game = dispatcher_.game();
  if (game.form1Visible) {
    form1();
    if (form6_)
      form6_.release()->deleteLater();  // the splash is unloaded once the main window shows
  }
  if (game.form2.visible) form2();
  if (game.form3.visible) form3();
  if (game.form4.visible) form4();
  if (game.form5.visible) form5();
  if (game.form7.visible) form7();
}

MainWindow& Shell::form1() {
  if (!form1_) {
    QApplication::setWindowIcon(gameIcon());
    form1_ = std::make_unique<MainWindow>(dispatcher_);
    QObject::connect(form1_.get(), &MainWindow::creditsWanted, [this] { form7().bringToFront(); });
  }
  return *form1_;
}

template <typename Window, typename... Arguments>
Window& Shell::ownedByForm1(Window*& window, Arguments... arguments) {
  if (!window) {
    window = new Window(dispatcher_, arguments..., &form1());
    window->refresh();
  }
  return *window;
}

RoundWonWindow& Shell::form2() { return ownedByForm1(form2_, Side::Player); }
RoundWonWindow& Shell::form3() { return ownedByForm1(form3_, Side::Matrix); }
MatchResultWindow& Shell::form4() { return ownedByForm1(form4_); }
DrawnRoundWindow& Shell::form5() { return ownedByForm1(form5_); }
CreditsWindow& Shell::form7() { return ownedByForm1(form7_); }

}  // namespace quimbo
