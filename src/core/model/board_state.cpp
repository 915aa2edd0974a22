// Queries over the board cells and piece flags.
#include "core/model/board_state.h"

#include <algorithm>
#include <functional>

namespace quimbo {

std::optional<PieceSlot> firstPieceInHand(const StatePanel& panel, Side side) {
  for (const PieceSlot& piece : piecesOf(side)) {
    if (panel.text(piece.onBoard).empty()) return piece;
  }
  return std::nullopt;
}

const std::string& cellText(const StatePanel& panel, int cell) {
  return panel.text(cellField(cell));
}

bool isEmptyCell(const StatePanel& panel, int cell) { return cellText(panel, cell).empty(); }

bool isOccupiedCell(const StatePanel& panel, int cell) {
  const std::string& text = cellText(panel, cell);
  return text == "1" || text == "0";
}

bool holdsMark(const StatePanel& panel, int cell, Side side) {
  return cellText(panel, cell) == markOf(side);
}

bool hasLine(const StatePanel& panel, Side side) {
  return std::ranges::any_of(kLines, [&](const Line& line) {
    return std::ranges::all_of(line, [&](int cell) { return holdsMark(panel, cell, side); });
  });
}

bool isBoardFull(const StatePanel& panel) {
  for (int cell = 1; cell <= 9; ++cell) {
    if (isEmptyCell(panel, cell)) return false;
  }
  return true;
}

}  // namespace quimbo
