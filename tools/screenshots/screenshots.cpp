// Renders the game's windows to PNG files for the README: quimbo_screenshots <folder>.
#include <QApplication>
#include <QDir>

#include "core/model/random.h"
#include "core/rules/match_result.h"
#include "shell/desktop_platform.h"
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
  save(*shell.form6(), folder, "splash");
  dispatcher.send(Input::timePasses(3000));
  save(shell.form1(), folder, "main-window");

  // A round in progress: the player opens in a corner, the computer answers in the centre.
  dispatcher.send({Action::PressStart});
  save(shell.form1(), folder, "main-window-start");
  dispatcher.send(Input::timePasses(1000));
  for (int image : {9, 6}) {
    dispatcher.send(Input::clickImage(image));
    dispatcher.send(Input::timePasses(1000));
  }
  save(shell.form1(), folder, "main-window-playing");

  dispatcher.send({Action::ChooseSobre});
  save(shell.form7(), folder, "credits");
  dispatcher.send({Action::PressAceptar});

  // Every announcement at once, as no game shows them, to picture each.
  game.form2.visible = true;
  game.form3.visible = true;
  game.form5.visible = true;
  game.form1.mpc = "     PC: 6     ";
  game.form1.mjug = "    Jug: 4     ";
  quimbo::showMatchResult(game);
  dispatcher.redraw();
  save(shell.form2(), folder, "player-won");
  save(shell.form3(), folder, "computer-won");
  save(shell.form5(), folder, "draw");
  save(shell.form4(), folder, "match-result");
  return 0;
}
