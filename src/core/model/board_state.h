// What the cells of the state panel say about the board: marks, pieces in hand, lines, fullness.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "core/model/board.h"
#include "core/model/state_panel.h"

namespace quimbo {

// The mark a side writes into a cell.
constexpr const char* markOf(Side side) { return side == Side::Matrix ? "0" : "1"; }

// One piece of a side: its picture (Picture1..Picture10) and the field that flags it as used.
struct PieceSlot {
  int picture;
  Field flag;
};

inline constexpr std::array<PieceSlot, 5> kComputerPieces{{
    {1, Field::Text10}, {2, Field::Text11}, {3, Field::Text12},
    {4, Field::Text13}, {5, Field::Text14},
}};
inline constexpr std::array<PieceSlot, 5> kPlayerPieces{{
    {6, Field::Text15}, {7, Field::Text16}, {8, Field::Text17},
    {9, Field::Text18}, {10, Field::Text19},
}};

constexpr const std::array<PieceSlot, 5>& piecesOf(Side side) {
  return side == Side::Matrix ? kComputerPieces : kPlayerPieces;
}

// The lowest-numbered piece of the side whose flag is exactly "", if any.
std::optional<PieceSlot> firstPieceInHand(const StatePanel& panel, Side side);

const std::string& cellText(const StatePanel& panel, int cell);
// Exactly "" counts as empty; exactly "1" or "0" as occupied; any other text as neither.
bool isEmptyCell(const StatePanel& panel, int cell);
bool isOccupiedCell(const StatePanel& panel, int cell);
// True when the cell holds exactly the side's mark.
bool holdsMark(const StatePanel& panel, int cell, Side side);
// True when all three cells of some line hold the side's mark.
bool hasLine(const StatePanel& panel, Side side);
// True when no cell is exactly "".
bool isBoardFull(const StatePanel& panel);

}  // namespace quimbo
