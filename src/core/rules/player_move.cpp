// The nine click handlers of the board, which differ only in their cell.
#include "core/rules/player_move.h"

namespace quimbo {

void clickImage(Form1& form, int image) {
  using enum Field;
  if (image < 1 || image > 9) return;
  const int cell = cellOfClickTarget(image);
  StatePanel& panel = form.panel;

  if (form.command5Visible) return;  // no match is running
  if (isOccupiedCell(panel, cell)) return;
  if (panel.text(Text27) == "1") return;  // the computer has not answered yet
  if (panel.text(Text28) == "0") return;  // the computer has completed a line
  const auto piece = firstPieceInHand(panel, Side::Player);
  if (!piece) return;  // all five pieces are already on the board

  form.putPiece(*piece, cell, Side::Player);
  panel.setText(Text27, "1");

  const bool madeLine = hasLine(panel, Side::Player);
  if (madeLine) {
    form.timer3.enable();
  } else if (piece->picture != kPlayerPieces.back().picture) {
    // The fifth piece is the ninth move of a round the player opened: the board is full and
    // the computer has nothing left to answer.
    form.timer1.enable();
  }
  form.label1.clear();
  if (!madeLine && isBoardFull(panel)) form.timer5.enable();
}

}  // namespace quimbo
