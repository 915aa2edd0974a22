// Building the windows when they are first needed, and starting the program.
#include "shell/shell.h"

#include <QApplication>
#include <QIcon>
#include <QTimer>

#include "shell/windows/announcements.h"
#include "shell/windows/credits_window.h"
#include "shell/windows/main_window.h"
#include "shell/windows/splash_window.h"

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

Shell::Shell(Game& game, Dispatcher::Time time)
    : dispatcher_(game, time), form6_(std::make_unique<SplashWindow>(dispatcher_)) {
  QObject::connect(&dispatcher_, &Dispatcher::changed, [this] { buildWhatTheGameShows(); });
  QObject::connect(&dispatcher_, &Dispatcher::handled, [this](Input input) { follow(input); });
}

Shell::~Shell() = default;

void Shell::start() {
  dispatcher_.redraw();
  QTimer::singleShot(kBuildBehindSplashMs, &dispatcher_, [this] { form1(); });
}

void Shell::buildWhatTheGameShows() {
  const Game& game = dispatcher_.game();
  if (game.form1.visible) {
    form1();
    if (form6_) form6_.release()->deleteLater();  // the splash is unloaded once the main window shows
  }
  if (game.form2.visible) form2();
  if (game.form3.visible) form3();
  if (game.form4.visible) form4();
  if (game.form5.visible) form5();
  if (game.form7.visible) form7();
}

// "&Sobre " brings the credits to the front, also when they were already open behind the board.
void Shell::follow(Input input) {
  if (input.action == Action::ChooseSobre && form7_) form7_->bringToFront();
}

MainWindow& Shell::form1() {
  if (!form1_) {
    QApplication::setWindowIcon(gameIcon());
    form1_ = std::make_unique<MainWindow>(dispatcher_);
  }
  return *form1_;
}

template <typename Window, typename... Arguments>
Window& Shell::ownedByForm1(Window*& window, Arguments... arguments) {
  if (!window) {
    window = new Window(dispatcher_, arguments..., &form1());
    window->refresh(dispatcher_.game());
  }
  return *window;
}

RoundWonWindow& Shell::form2() { return ownedByForm1(form2_, Side::Player); }
RoundWonWindow& Shell::form3() { return ownedByForm1(form3_, Side::Matrix); }
MatchResultWindow& Shell::form4() { return ownedByForm1(form4_); }
DrawnRoundWindow& Shell::form5() { return ownedByForm1(form5_); }
CreditsWindow& Shell::form7() { return ownedByForm1(form7_); }

}  // namespace quimbo
