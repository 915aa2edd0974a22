// Setting up positions from board strings.
#include "support/positions.h"

#include "support/board_text.h"

namespace quimbo::test {

void setPosition(Form1& form, std::string_view board) {
  setBoard(form.panel, board);
  form.parkPieces();
  for (Side side : {Side::Matrix, Side::Player}) {
    for (const PieceSlot& piece : piecesOf(side)) form.panel.setText(piece.flag, "");
    for (int cell = 1; cell <= 9; ++cell) {
      if (cellText(form.panel, cell) != markOf(side)) continue;
      const auto piece = firstPieceInHand(form.panel, side);
      if (piece) form.putPiece(*piece, cell, side);
    }
  }
}

int marksOf(const StatePanel& panel, Side side) {
  int marks = 0;
  for (int cell = 1; cell <= 9; ++cell) marks += cellText(panel, cell) == markOf(side);
  return marks;
}

int piecesUsed(const StatePanel& panel, Side side) {
  int used = 0;
  for (const PieceSlot& piece : piecesOf(side)) used += panel.text(piece.flag) == "1";
  return used;
}

}  // namespace quimbo::test
