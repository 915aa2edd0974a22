// The game as a person reads it, never through the code under test: a board written as
// "10. .0. ..1" (blanks group the rows, '.' is an empty cell), its lines and fullness, the points
// in a score caption, and the whole main window as one line to compare before and after.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/game.h"

namespace quimbo::test {

// Sets the cells and stands each side's k-th piece on its k-th mark (in cell order), every other
// piece in hand, parked.
void setPosition(Form1& form, std::string_view board);
std::string boardOf(const StatePanel& panel);  // a cell holding any other text shows as '?'

// '1' or '0' when that side holds a whole row, column or diagonal of `board`.
std::optional<char> lineOn(std::string_view board);
bool isFull(std::string_view board);
// The cells (1..9) where `mark` would complete a line of its own.
std::string winningCells(std::string_view board, char mark);

// The number a score caption shows, read as a person would: the digits after the colon.
int pointsIn(const std::string& caption);

// Every field, piece, caption, flag and timer of the main window.
std::string stateOf(const Form1& form);

// The player to move on `board` in a running match, past the splash, with no timer running.
void playersTurn(Game& game, std::string_view board = "... ... ...");

}  // namespace quimbo::test
