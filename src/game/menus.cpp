// Menu commands and the link.
#include "game/menus.h"

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

void browserFailed(Game& game) { game.browserNoticeVisible = true; }

void dismissBrowserNotice(Game& game) { game.browserNoticeVisible = false; }

}  // namespace quimbo
