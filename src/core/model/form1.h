// The main window's model: the state panel, the ten pieces, the captions the rules write, the
// start button's visibility and the five timers. The game (core/game.h) gives it its load state.
#pragma once

#include <array>
#include <string>

#include "core/model/board.h"
#include "core/model/board_state.h"
#include "core/model/clock.h"
#include "core/model/state_panel.h"

namespace quimbo {

inline constexpr Milliseconds kTurnInterval = 1000;

struct Form1 {
  explicit Form1(Clock& clock);

  bool visible = false;  // the window appears when the splash has had its time
  StatePanel panel;
  std::array<Point, 10> pictures = kLoadPlaces;  // Picture1..Picture10
  std::string label1;                            // the status line
  std::string mpc;                               // the computer's score caption, 0 at load
  std::string mjug;                              // the player's score caption, 0 at load
  bool command5Visible = true;                   // the start button; visible while no match runs

  Timer timer1;  // the computer's move
  Timer timer2;  // the computer's opening piece
  Timer timer3;  // announces the player's round
  Timer timer4;  // announces the computer's round
  Timer timer5;  // announces a drawn round

  Point& picture(int n) { return pictures[static_cast<std::size_t>(n - 1)]; }
  const Point& picture(int n) const { return pictures[static_cast<std::size_t>(n - 1)]; }

  // Puts a piece on a cell: its Left, then its Top, then its flag and the cell's mark.
  void putPiece(PieceSlot piece, int cell, Side side);
  // Moves every piece off the board by setting only its Left.
  void parkPieces();
};

}  // namespace quimbo
