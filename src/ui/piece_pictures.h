// The pictures of the two sides' pieces: an orange ball for the computer, a yellow smiling ball
// for the player, each on a golden tile.
#pragma once

#include "game/board.h"
#include "ui/pictures.h"

namespace quimbo::ui {

inline Picture piecePicture(Side side) {
  return Picture(side == Side::Matrix ? "computer_piece" : "player_piece");
}

// The smaller pieces of the splash window.
inline Picture smallPiecePicture(Side side) {
  return Picture(side == Side::Matrix ? "computer_piece_small" : "player_piece_small");
}

}  // namespace quimbo::ui
