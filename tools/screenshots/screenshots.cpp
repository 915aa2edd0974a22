// Renders the game's windows to PNG files for the README: quimbo_screenshots <folder>.
#include <QApplication>
#include <QDir>

#include "app/shell.h"
#include "game/match_start.h"
#include "game/main_window.h"
#include "game/menus.h"
#include "game/player_move.h"
#include "game/random.h"
#include "info/credits_window.h"
#include "info/splash_window.h"
#include "outcome/drawn_round_window.h"
#include "outcome/match_result.h"
#include "outcome/match_result_window.h"
#include "outcome/round_won_window.h"
#include "ui/desktop_platform.h"

namespace {

using quimbo::Game;

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
  quimbo::ui::DesktopPlatform platform;
  Game game(random, platform);
  quimbo::Shell shell(game, quimbo::ui::Dispatcher::Time::Manual);
  auto& dispatcher = shell.dispatcher();
  shell.start();
  save(*shell.form6(), folder, "splash");
  dispatcher.advance(3000);
  save(shell.form1(), folder, "main-window");

  // A round in progress: the player opens in a corner, the computer answers in the centre.
  dispatcher.dispatch([](Game& g) { quimbo::pressCommand5(g.form1, g.random); });
  dispatcher.advance(1000);
  for (int image : {9, 6}) {
    dispatcher.dispatch([image](Game& g) { quimbo::clickImage(g.form1, image); });
    dispatcher.advance(1000);
  }
  save(shell.form1(), folder, "main-window-playing");

  dispatcher.dispatch([](Game& g) { quimbo::chooseSobre(g); });
  save(shell.form7(), folder, "credits");
  dispatcher.dispatch([](Game& g) { quimbo::pressAceptar(g); });

  dispatcher.dispatch([](Game& g) {
    g.form2.visible = true;
    g.form3.visible = true;
    g.form5.visible = true;
    g.form1.mpc = "     PC: 6     ";
    g.form1.mjug = "    Jug: 4     ";
    quimbo::showMatchResult(g);
  });
  save(shell.form2(), folder, "player-won");
  save(shell.form3(), folder, "computer-won");
  save(shell.form5(), folder, "draw");
  save(shell.form4(), folder, "match-result");
  return 0;
}
