// The nine click handlers of the board, which differ only in their cell.
#include "core/rules/player_move.h"

namespace quimbo {

using enum Field;

Refusal refusalOf(const Form1& form, int cell) {
  if (form.command5Visible) return Refusal::NoMatch;
  if (isOccupiedCell(form.panel, cell)) return Refusal::Occupied;
  if (form.panel.text(Text27) == "1") return Refusal::NotYourTurn;  // the computer's second
  if (form.panel.text(Text28) == "0") return Refusal::NotYourTurn;  // the computer's line
  return Refusal::None;
}

void clickImage(Form1& form, int image) {
  if (image < 1 || image > 9) return;
  const int cell = cellOfClickTarget(image);
  StatePanel& panel = form.panel;
  if (refusalOf(form, cell) != Refusal::None) return;
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
