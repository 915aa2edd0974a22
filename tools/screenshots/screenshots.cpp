// Renders the game's windows to PNG files for the README: quimbo_screenshots <folder>.
#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QString>
#include <QWidget>
#include <initializer_list>
#include <string>

#include "core/input.h"
#include "core/model/game_state.h"
#include "core/model/main_window_state.h"
#include "core/model/random.h"
#include "core/model/windows.h"
#include "core/rules/match_result.h"
#include "shell/desktop_platform.h"
#include "shell/dispatcher.h"
#include "shell/shell.h"
#include "shell/windows/announcements.h"
#include "shell/windows/credits_window.h"
#include "shell/windows/main_window.h"
#include "shell/windows/splash_window.h"

namespace {

using quimbo::Action;
using quimbo::Game;
using quimbo::Input;

void save(QWidget& window, const QDir& folder, const QString& name) {
  window.grab().save(folder.filePath(name + ".png"));
}

}  // namespace

int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  const QDir folder(argc > 1 ? argv[1] : ".");

  // A seed whose first match the player opens.
  quimbo::SeededRandom random(3);
  quimbo::DesktopPlatform platform;
  Game game(random, platform);
  quimbo::Shell shell(game, quimbo::Dispatcher::Time::Manual);
  auto& dispatcher = shell.dispatcher();
  shell.start();
  save(*shell.splash(), folder, "splash");
  dispatcher.send(Input::timePasses(3000));
  save(shell.mainWindow(), folder, "main-window");

  // A round in progress: the player opens in a corner, the computer answers in the centre.
  dispatcher.send({Action::PressStart});
  save(shell.mainWindow(), folder, "main-window-start");
  dispatcher.send(Input::timePasses(1000));
  for (int cell : {1, 8}) {
    dispatcher.send(Input::clickCell(cell));
    dispatcher.send(Input::timePasses(1000));
  }
  save(shell.mainWindow(), folder, "main-window-playing");

  dispatcher.send({Action::OpenCredits});
  save(shell.credits(), folder, "credits");
  dispatcher.send({Action::CloseCredits});

  // Every announcement at once, as no game shows them, to picture each.
  game.playerWon.visible = true;
  game.computerWon.visible = true;
  game.draw.visible = true;
  game.mainWindow.computerScore = "     PC: 6     ";
  game.mainWindow.playerScore = "    Jug: 4     ";
  quimbo::showMatchResult(game);
  dispatcher.redraw();
  save(shell.playerWon(), folder, "player-won");
  save(shell.computerWon(), folder, "computer-won");
  save(shell.draw(), folder, "draw");
  save(shell.result(), folder, "match-result");
  return 0;
}
