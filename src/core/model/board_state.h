// What the cells of the state panel say about the board: marks, pieces in hand, lines, fullness.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>

#include "core/model/board.h"  // IWYU pragma: export
#include "core/model/state_panel.h"  // IWYU pragma: export

namespace quimbo {

// The mark a side writes into a cell.
constexpr const char* markOf(Side side) { return side == Side::Computer ? "0" : "1"; }

// One piece of a side: where it stands among the window's ten pieces (the computer's five, then
// the player's five), and the field that says whether it is on the board.
struct PieceSlot {
  std::size_t index;
  Field onBoard;
};

inline constexpr std::array<PieceSlot, 5> kComputerPieces{{
    {0, Field::ComputerPieceOnBoard1}, {1, Field::ComputerPieceOnBoard2},
    {2, Field::ComputerPieceOnBoard3}, {3, Field::ComputerPieceOnBoard4},
    {4, Field::ComputerPieceOnBoard5},
}};
inline constexpr std::array<PieceSlot, 5> kPlayerPieces{{
    {5, Field::PlayerPieceOnBoard1}, {6, Field::PlayerPieceOnBoard2},
    {7, Field::PlayerPieceOnBoard3}, {8, Field::PlayerPieceOnBoard4},
    {9, Field::PlayerPieceOnBoard5},
}};

constexpr const std::array<PieceSlot, 5>& piecesOf(Side side) {
  return side == Side::Computer ? kComputerPieces : kPlayerPieces;
}

// The side's first piece still in hand (its field exactly ""), if any.
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
