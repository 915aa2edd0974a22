// Reading and writing boards as short strings.
#include "support/board_text.h"

#include <stdexcept>

namespace quimbo::test {

void setBoard(StatePanel& panel, std::string_view board) {
  int cell = 0;
  for (char c : board) {
    if (c == ' ') continue;
    if (++cell > 9) throw std::invalid_argument("more than nine cells in a board");
    const char* text = c == '1' ? "1" : c == '0' ? "0" : c == '.' ? "" : nullptr;
    if (!text) throw std::invalid_argument("a board cell is '1', '0' or '.'");
    panel.setText(cellField(cell), text);
  }
  if (cell != 9) throw std::invalid_argument("a board has nine cells");
}

std::string boardOf(const StatePanel& panel) {
  std::string board;
  for (int cell = 1; cell <= 9; ++cell) {
    const std::string& text = panel.text(cellField(cell));
    board += text.empty() ? '.' : text == "1" ? '1' : text == "0" ? '0' : '?';
    if (cell == 3 || cell == 6) board += ' ';
  }
  return board;
}

}  // namespace quimbo::test
