// Quimbo: noughts and crosses against the computer.
#include <QApplication>
#include <QIcon>

#include "app/shell.h"
#include "game/game.h"
#include "game/random.h"
#include "ui/desktop_platform.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QApplication::setApplicationName("quimbo");
  QApplication::setApplicationDisplayName("Quimbo");
  QApplication::setDesktopFileName("io.github.vandrel.Quimbo");  // ties the windows to the menu entry
  QIcon icon;
  for (int size : {16, 24, 32, 48, 64, 128, 256}) {
    icon.addFile(QStringLiteral(":/pictures/icon-%1.png").arg(size), QSize(size, size));
  }
  QApplication::setWindowIcon(icon);

  quimbo::SystemRandom random;
  quimbo::ui::DesktopPlatform platform;
  quimbo::Game game(random, platform);
  quimbo::Shell shell(game, quimbo::ui::Dispatcher::Time::Real);
  shell.start();
  return QApplication::exec();
}
