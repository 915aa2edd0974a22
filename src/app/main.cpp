// Quimbo: noughts and crosses against the computer.
#include <QApplication>

#include "app/shell.h"
#include "game/game.h"
#include "game/random.h"
#include "ui/desktop_platform.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QApplication::setApplicationName("quimbo");
  QApplication::setDesktopFileName(
      "io.github.vandrel.Quimbo");  // ties the windows to the menu entry

  quimbo::SystemRandom random;
  quimbo::ui::DesktopPlatform platform;
  quimbo::Game game(random, platform);
  quimbo::Shell shell(game, quimbo::ui::Dispatcher::Time::Real);
  shell.start();
  return QApplication::exec();
}
