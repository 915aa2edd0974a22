// The program as the desktop knows it: its name, the menu entry its windows belong to, Qt's own
// texts in Spanish like the game's, and the desktop's word on the browser passed to the game.
#pragma once

#include "shell/desktop_platform.h"
#include "shell/dispatcher.h"

namespace quimbo {

// Names the program and its menu entry, and has Qt speak Spanish whatever the desktop's language.
// Call once the application object exists.
void setUpApplication();

// Tells the game, through its door, whenever an opener that started could not open the browser.
void reportBrowserFailures(DesktopPlatform& desktop, Dispatcher& dispatcher);

}  // namespace quimbo
