// Boards written the way a person would: "10. .0. ..1" is the top row player, computer, empty,
// and so on. Blanks only group the rows; '.' is an empty cell.
#pragma once

#include <string>
#include <string_view>

#include "game/state_panel.h"

namespace quimbo::test {

// Writes the nine cells of `board` into the panel.
void setBoard(StatePanel& panel, std::string_view board);
// The nine cells of the panel as "xxx xxx xxx"; a cell holding other text shows as '?'.
std::string boardOf(const StatePanel& panel);

}  // namespace quimbo::test
