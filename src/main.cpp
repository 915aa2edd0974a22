// Quimbo: noughts and crosses against the computer.
#include <QApplication>
#include <memory>
#include <optional>

#include "core/model/game_state.h"
#include "core/model/random.h"
#include "shell/application.h"
#include "shell/command_line.h"
#include "shell/desktop_platform.h"
#include "shell/dispatcher.h"
#include "shell/shell.h"

int main(int argc, char* argv[]) {
  if (const std::optional<int> status = quimbo::answerCommandLine(argc, argv)) return *status;
  const std::unique_ptr<QApplication> application = quimbo::connectToDisplay(argc, argv);
  quimbo::setUpApplication();

  quimbo::SystemRandom random;
  quimbo::DesktopPlatform platform;
  quimbo::Game game(random, platform);
  quimbo::Shell shell(game, quimbo::Dispatcher::Time::Real);
  quimbo::reportBrowserFailures(platform, shell.dispatcher());
  shell.start();
  return QApplication::exec();
}
