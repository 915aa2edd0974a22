// The pictures of the two sides' pieces: an orange ball for the computer, a yellow smiling ball
// for the player, each on a golden tile; and groups of them as the panels lay them out.
#pragma once

#include <QString>
#include <QWidget>
#include <span>

#include "core/model/board.h"
#include "ui/pictures.h"

class QWidget;

namespace quimbo {

inline ui::Picture piecePicture(Side side) {
  return ui::Picture(side == Side::Computer ? "computer_piece" : "player_piece");
}

// One piece picture of a panel: its name, its side and its top-left corner in twips.
struct PiecePlace {
  const char* name;
  Side side;
  int left;
  int top;
};

enum class PieceSize { Normal, Small };  // the splash shows smaller pieces

// Adds a picture box for each place, `boxTwips` square.
void addPieces(QWidget* parent, std::span<const PiecePlace> places, int boxTwips,
               PieceSize size = PieceSize::Normal);

}  // namespace quimbo
