// Quimbo: noughts and crosses against the computer.
#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QObject>
#include <QTranslator>
#include <memory>
#include <optional>

#include "core/game.h"
#include "core/input.h"
#include "core/model/game_state.h"
#include "core/model/random.h"
#include "shell/command_line.h"
#include "shell/desktop_platform.h"
#include "shell/dispatcher.h"
#include "shell/shell.h"

int main(int argc, char* argv[]) {
  if (const std::optional<int> status = quimbo::answerCommandLine(argc, argv)) return *status;
  const std::unique_ptr<QApplication> application = quimbo::connectToDisplay(argc, argv);
  QApplication::setApplicationName("quimbo");
  QApplication::setDesktopFileName(
      "io.github.vandrel.Quimbo");  // ties the windows to the menu entry
  // The game speaks Spanish whatever the desktop's language, and so do Qt's own texts.
  QTranslator qtTexts;
  if (qtTexts.load(QLocale(QLocale::Spanish), "qtbase", "_",
                   QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QApplication::installTranslator(&qtTexts);
  }

  quimbo::SystemRandom random;
  quimbo::DesktopPlatform platform;
  quimbo::Game game(random, platform);
  quimbo::Shell shell(game, quimbo::Dispatcher::Time::Real);
  QObject::connect(&platform, &quimbo::DesktopPlatform::openFailed, &shell.dispatcher(),
                   [&shell] { shell.dispatcher().send({quimbo::Action::BrowserFailed}); });
  shell.start();
  return QApplication::exec();
}
