// The main window's model at load, and the two ways pieces move.
#include "core/model/main_window_state.h"

#include <cstddef>

namespace quimbo {

MainWindowState::MainWindowState(Clock& clock)
    : computerMove(clock, kTurnInterval),
      openingPiece(clock, kTurnInterval),
      announcePlayerWin(clock, kTurnInterval),
      announceComputerWin(clock, kTurnInterval),
      announceDraw(clock, kTurnInterval) {}

void MainWindowState::putPiece(PieceSlot slot, int cell, Side side) {
  const Point place = piecePlace(cell, side);
  piece(slot).left = place.left;
  piece(slot).top = place.top;
  panel.setText(slot.onBoard, "1");
  panel.setText(cellField(cell), markOf(side));
}

void MainWindowState::parkPieces() {
  for (std::size_t n = 0; n < pieces.size(); ++n) pieces[n].left = kParkingLefts[n];
}

}  // namespace quimbo
