// The player's move: a click on one of the nine click targets of the board.
#pragma once

#include "core/model/form1.h"

namespace quimbo {

// A click on Image`image` (1..9). Ignored unless a match runs, the cell is free and neither lock
// is set; otherwise the player's next piece goes onto the cell and the timer for what comes next
// is armed: a line announces the player's round, a full board a draw, anything else the
// computer's answer.
void clickImage(Form1& form, int image);

}  // namespace quimbo
