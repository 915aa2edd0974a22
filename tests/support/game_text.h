// The game as a person reads it, never through the code under test: a board written as
// "10. .0. ..1" (blanks group the rows, '.' is an empty cell), its lines and fullness, the points
// in a score caption, and the whole main window as one line to compare before and after.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "core/model/game_state.h"
#include "core/model/main_window_state.h"

namespace quimbo::test {

// Sets the cells and stands each side's k-th piece on its k-th mark, every other piece in hand.
void setPosition(MainWindowState& main, std::string_view board);
std::string boardOf(const StatePanel& panel);  // a cell holding any other text shows as '?'
// Where cell 1..9 stands in a board so written.
constexpr std::size_t boardIndex(int cell) {
  return static_cast<std::size_t>(cell - 1 + (cell - 1) / 3);
}

std::optional<char> lineOn(std::string_view board);  // '1' or '0': who holds a line of three
bool isFull(std::string_view board);
std::string winningCells(std::string_view board, char mark);  // where `mark` would make a line
int pointsIn(const std::string& caption);                     // the digits after the colon
std::string stateOf(const MainWindowState& main);  // every field, piece, caption, flag and timer

// The player to move on `board` in a running match, past the splash, with no timer running.
void playersTurn(Game& game, std::string_view board = "... ... ...");

}  // namespace quimbo::test
