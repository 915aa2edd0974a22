// The game written as short texts, the way a person would describe it: boards such as
// "10. .0. ..1" (blanks group the rows, '.' is an empty cell), and the main window as one line.
#pragma once

#include <string>
#include <string_view>

#include "core/model/form1.h"

namespace quimbo::test {

void setBoard(StatePanel& panel, std::string_view board);
std::string boardOf(const StatePanel& panel);  // a cell holding any other text shows as '?'
// The first cell (1..9) in which two boards differ, or 0.
int changedCell(std::string_view before, std::string_view after);

// Sets the board and stands the k-th piece of each side on its k-th mark (in cell order), with
// every other piece in hand and parked.
void setPosition(Form1& form, std::string_view board);

// Every field, piece, caption, flag and timer of the main window, to compare before and after.
std::string stateOf(const Form1& form);
// Which of Timer1..Timer5 are enabled, as "1...." for Timer1 alone.
std::string enabledTimers(const Form1& form);

}  // namespace quimbo::test
