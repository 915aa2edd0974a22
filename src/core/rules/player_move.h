// The player's move: a click on one of the nine click targets of the board.
#pragma once

#include "core/model/form1.h"

namespace quimbo {

// Why the board would ignore a click on a cell now, in the order the click's guards look.
enum class Refusal {
  None,
  NoMatch,      // the start button shows: no match is running
  Occupied,     // the cell holds a piece
  NotYourTurn,  // the computer has not answered yet, or it has completed a line
};
Refusal refusalOf(const Form1& form, int cell);

// A click on Image`image` (1..9). Ignored when refused; otherwise the player's next piece goes
// onto the cell and the timer for what comes next is armed: a line announces the player's round,
// a full board a draw, anything else the computer's answer.
void clickImage(Form1& form, int image);

}  // namespace quimbo
