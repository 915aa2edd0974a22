// The pictures of the two sides' pieces: an orange ball for the computer, a yellow smiling ball
// for the player, each on a golden tile; and rows of them as the panels lay them out.
#pragma once

#include <span>

#include "game/board.h"
#include "ui/pictures.h"

class QWidget;

namespace quimbo::ui {

inline Picture piecePicture(Side side) {
  return Picture(side == Side::Matrix ? "computer_piece" : "player_piece");
}

// The smaller pieces of the splash window.
inline Picture smallPiecePicture(Side side) {
  return Picture(side == Side::Matrix ? "computer_piece_small" : "player_piece_small");
}

// One piece picture of a panel: its name, its side and its top-left corner in twips.
struct PiecePlace {
  const char* name;
  Side side;
  int left;
  int top;
};

enum class PieceSize { Normal, Small };

// Adds a picture box for each place, `boxTwips` square.
void addPieces(QWidget* parent, std::span<const PiecePlace> places, int boxTwips,
               PieceSize size = PieceSize::Normal);

}  // namespace quimbo::ui
