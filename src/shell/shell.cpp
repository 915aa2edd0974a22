// Building the windows when they are first needed, and starting the program.
#include "shell/shell.h"

#include <QApplication>
#include <QIcon>
#include <QObject>
#include <QSize>
#include <QString>
#include <QTimer>
#include <initializer_list>

#include "core/model/board.h"
#include "core/model/main_window_state.h"
#include "core/model/windows.h"
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
    : dispatcher_(game, time), splash_(std::make_unique<SplashWindow>(dispatcher_)) {
  QObject::connect(&dispatcher_, &Dispatcher::changed, [this] { buildWhatTheGameShows(); });
  QObject::connect(&dispatcher_, &Dispatcher::handled, [this](Input input) { follow(input); });
}

Shell::~Shell() = default;

void Shell::start() {
  dispatcher_.redraw();
  QTimer::singleShot(kBuildBehindSplashMs, &dispatcher_, [this] { mainWindow(); });
}

void Shell::buildWhatTheGameShows() {
  const Game& game = dispatcher_.game();
  if (game.mainWindow.visible) {
    mainWindow();
    if (splash_) splash_.release()->deleteLater();  // the splash is unloaded once the board shows
  }
  if (game.playerWon.visible) playerWon();
  if (game.computerWon.visible) computerWon();
  if (game.result.visible) result();
  if (game.draw.visible) draw();
  if (game.credits.visible) credits();
}

// "&Sobre " brings the credits to the front, also when they were already open behind the board.
void Shell::follow(Input input) {
  if (input.action == Action::OpenCredits && credits_) credits_->bringToFront();
}

MainWindow& Shell::mainWindow() {
  if (!mainWindow_) {
    QApplication::setWindowIcon(gameIcon());
    mainWindow_ = std::make_unique<MainWindow>(dispatcher_);
  }
  return *mainWindow_;
}

template <typename Window, typename... Arguments>
Window& Shell::ownedByMainWindow(Window*& window, Arguments... arguments) {
  if (!window) {
    window = new Window(dispatcher_, arguments..., &mainWindow());
    window->refresh(dispatcher_.game());
  }
  return *window;
}

RoundWonWindow& Shell::playerWon() { return ownedByMainWindow(playerWon_, Side::Player); }
RoundWonWindow& Shell::computerWon() { return ownedByMainWindow(computerWon_, Side::Computer); }
MatchResultWindow& Shell::result() { return ownedByMainWindow(result_); }
DrawnRoundWindow& Shell::draw() { return ownedByMainWindow(draw_); }
CreditsWindow& Shell::credits() { return ownedByMainWindow(credits_); }

}  // namespace quimbo
