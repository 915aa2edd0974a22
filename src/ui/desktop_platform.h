// The desktop behind the game: the web browser and the end of the program.
#pragma once

#include "game/platform.h"

namespace quimbo::ui {

class DesktopPlatform final : public Platform {
 public:
  bool openUrl(const std::string& address) override;
  void quit() override;
};

}  // namespace quimbo::ui
