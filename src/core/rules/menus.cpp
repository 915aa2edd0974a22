// Menu commands and the link.
#include "core/rules/menus.h"

#include <string>

namespace quimbo {

void chooseSobre(Game& game) { game.form7.visible = true; }

void pressAceptar(Game& game) { game.form7.visible = false; }

void chooseSalir(Game& game) {
  game.ended = true;
  game.platform.quit();
}

void clickImage10(Game& game) {
  if (!game.platform.openUrl(std::string(kPartnerSiteAddress))) browserFailed(game);
}

void browserFailed(Game& game) { game.browserNotice.visible = true; }

void dismissBrowserNotice(Game& game) { game.browserNotice.visible = false; }

}  // namespace quimbo
