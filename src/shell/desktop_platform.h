// The desktop behind the game: the web browser and the end of the program.
#pragma once

#include <QObject>
#include <string>

#include "core/model/platform.h"

namespace quimbo {

class DesktopPlatform final : public QObject, public Platform {
  Q_OBJECT

 public:
  // The desktop's opener, xdg-open, looked up on the PATH: it finds the user's browser.
  bool openUrl(const std::string& address) override;
  // An opener still running may be the user's new browser: it outlives the game.
  ~DesktopPlatform() override;
  void quit() override;

 signals:
  // An opener that started could not open the address: no browser, or the browser failed.
  void openFailed();
};

}  // namespace quimbo
