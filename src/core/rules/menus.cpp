// Menu commands and the link.
#include "core/rules/menus.h"

#include <string>

#include "core/model/platform.h"
#include "core/model/windows.h"

namespace quimbo {

void openCredits(Game& game) { game.credits.visible = true; }

void closeCredits(Game& game) { game.credits.visible = false; }

void leave(Game& game) {
  game.ended = true;
  game.platform.quit();
}

void openPartnerSite(Game& game) {
  if (!game.platform.openUrl(std::string(kPartnerSiteAddress))) browserFailed(game);
}

void browserFailed(Game& game) { game.browserNotice.visible = true; }

void dismissBrowserNotice(Game& game) { game.browserNotice.visible = false; }

}  // namespace quimbo
