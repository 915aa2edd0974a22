// The main window's model: the state panel, the ten pieces, the captions the rules write, the
// start button's visibility and the five timers that pace a round.
#pragma once

#include <array>
#include <cstddef>
#include <string>

#include "core/model/board.h"  // IWYU pragma: export
#include "core/model/board_state.h"  // IWYU pragma: export
#include "core/model/clock.h"  // IWYU pragma: export
#include "core/model/state_panel.h"  // IWYU pragma: export

namespace quimbo {

inline constexpr Milliseconds kTurnInterval = 1000;

struct MainWindowState {
  explicit MainWindowState(Clock& clock);

  bool visible = false;  // the window appears when the splash has had its time
  StatePanel panel;
  std::array<Point, 10> pieces = kLoadPlaces;  // the computer's five, then the player's five
  std::string status;                          // the status line
  std::string computerScore;                   // the score captions of the menu bar
  std::string playerScore;
  bool startButtonVisible = true;  // "Jugar"; visible while no match runs

  Timer computerMove;         // the computer answers the player's move
  Timer openingPiece;         // the computer's opening piece goes down
  Timer announcePlayerWin;    // the player's round is announced
  Timer announceComputerWin;  // the computer's round is announced
  Timer announceDraw;         // a drawn round is announced

  Point& piece(PieceSlot slot) { return pieces[slot.index]; }

  // Puts a piece on a cell: its Left, then its Top, then its field and the cell's mark.
  void putPiece(PieceSlot piece, int cell, Side side);
  // Moves every piece off the board by setting only its Left.
  void parkPieces();
};

}  // namespace quimbo
