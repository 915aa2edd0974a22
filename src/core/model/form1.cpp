// The main window's model at load, and the two ways pieces move.
#include "core/model/form1.h"

namespace quimbo {

Form1::Form1(Clock& clock)
    : timer1(clock, kTurnInterval),
      timer2(clock, kTurnInterval),
      timer3(clock, kTurnInterval),
      timer4(clock, kTurnInterval),
      timer5(clock, kTurnInterval) {}

void Form1::putPiece(PieceSlot piece, int cell, Side side) {
  const Point place = piecePlace(cell, side);
  picture(piece.picture).left = place.left;
  picture(piece.picture).top = place.top;
  panel.setText(piece.flag, "1");
  panel.setText(cellField(cell), markOf(side));
}

void Form1::parkPieces() {
  for (int n = 1; n <= 10; ++n) picture(n).left = kParkingLefts[static_cast<std::size_t>(n - 1)];
}

}  // namespace quimbo
