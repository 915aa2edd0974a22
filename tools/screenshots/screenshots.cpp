// Renders the game's windows to PNG files for the README: quimbo_screenshots <folder>.
#include <QApplication>
#include <QDir>

#include "app/shell.h"
#include "game/main_window.h"
#include "game/player_move.h"
#include "outcome/drawn_round_window.h"
#include "outcome/match_result.h"
#include "outcome/match_result_window.h"
#include "outcome/round_won_window.h"
#include "game/random.h"
#include "ui/desktop_platform.h"

namespace {

void save(QWidget& window, const QDir& folder, const QString& name) {
  window.grab().save(folder.filePath(name + ".png"));
}

}  // namespace

int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  const QDir folder(argc > 1 ? argv[1] : ".");

  quimbo::SeededRandom random(7);
  quimbo::ui::DesktopPlatform platform;
  quimbo::Game game(random, platform);
  quimbo::Shell shell(game, quimbo::ui::Dispatcher::Time::Manual);
  shell.start();
  save(shell.form1(), folder, "main-window");

  shell.dispatcher().dispatch([](quimbo::Game& g) {
    g.form1.command5Visible = false;
    g.form1.panel.setText(quimbo::Field::Text27, "0");
    g.form1.label1 = "Comenzá vos";
  });
  save(shell.form1(), folder, "main-window-your-turn");
  shell.dispatcher().dispatch([](quimbo::Game& g) { quimbo::clickImage(g.form1, 3); });
  save(shell.form1(), folder, "main-window-first-move");

  shell.dispatcher().dispatch([](quimbo::Game& g) {
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
