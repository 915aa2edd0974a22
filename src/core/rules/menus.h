// The menu bar's commands and the link banner.
#pragma once

#include <string_view>

#include "core/model/game_state.h"

namespace quimbo {

// The partner site behind the link banner: its name, where it lives, and the address opened.
inline constexpr std::string_view kPartnerSiteName = "Rincón Lúdico";
inline constexpr std::string_view kPartnerSiteHost = "www.rinconludico.example";
inline constexpr std::string_view kPartnerSiteAddress = "https://www.rinconludico.example/";

// "&Sobre ": shows the credits, in any state of the game; a second choice leaves one window.
void openCredits(Game& game);
// "Aceptar" on the credits: hides them.
void closeCredits(Game& game);
// " &Salir", and the main window's close button: ends the program at once.
void leave(Game& game);
// The link banner: opens the partner site in the browser, once per click, without waiting for it.
// When no browser could be started the game says so and carries on.
void openPartnerSite(Game& game);
// The browser's opener gave up after it started (it found no browser, or the browser failed): the
// game says so, as when none could be started.
void browserFailed(Game& game);
// Closes the message about the browser.
void dismissBrowserNotice(Game& game);

}  // namespace quimbo
