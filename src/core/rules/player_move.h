// The player's move: a click on a cell of the board.
#pragma once

#include "core/model/main_window_state.h"

namespace quimbo {

// Why the board ignores a click on a cell, in the order the click's guards look.
enum class Refusal {
  None,
  NoMatch,      // the start button shows: no match is running
  Occupied,     // the cell holds a piece
  NotYourTurn,  // the computer has not answered yet, or it has completed a line
};
Refusal refusalOf(const MainWindowState& main, int cell);

// A click on cell 1..9. Unless refused, the player's next piece goes onto the cell and the timer
// for what comes next is armed: a line announces the player's round, a full board a draw, anything
// else the computer's answer. Says why the click was refused, if it was.
Refusal playerMove(MainWindowState& main, int cell);

}  // namespace quimbo
