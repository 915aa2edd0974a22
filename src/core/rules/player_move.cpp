// The nine click handlers of the board, which differ only in their cell.
#include "core/rules/player_move.h"

#include <array>
#include <optional>
#include <string>

#include "core/model/board.h"
#include "core/model/board_state.h"
#include "core/model/clock.h"
#include "core/model/state_panel.h"

namespace quimbo {

using enum Field;

Refusal refusalOf(const MainWindowState& main, int cell) {
  if (main.startButtonVisible) return Refusal::NoMatch;
  if (isOccupiedCell(main.panel, cell)) return Refusal::Occupied;
  if (main.panel.text(BoardLock) == "1") return Refusal::NotYourTurn;    // the computer's second
  if (main.panel.text(ComputerLine) == "0") return Refusal::NotYourTurn;  // the computer's line
  return Refusal::None;
}

Refusal playerMove(MainWindowState& main, int cell) {
  if (cell < 1 || cell > 9) return Refusal::None;  // no cell of the board: nothing to tell
  StatePanel& panel = main.panel;
  if (const Refusal refusal = refusalOf(main, cell); refusal != Refusal::None) return refusal;
  const auto piece = firstPieceInHand(panel, Side::Player);
  if (!piece) return Refusal::None;  // all five pieces are already on the board

  main.putPiece(*piece, cell, Side::Player);
  panel.setText(BoardLock, "1");

  const bool madeLine = hasLine(panel, Side::Player);
  if (madeLine) {
    main.announcePlayerWin.enable();
  } else if (piece->index != kPlayerPieces.back().index) {
    // The fifth piece is the ninth move of a round the player opened: the board is full and
    // the computer has nothing left to answer.
    main.computerMove.enable();
  }
  main.status.clear();
  if (!madeLine && isBoardFull(panel)) main.announceDraw.enable();
  return Refusal::None;
}

}  // namespace quimbo
