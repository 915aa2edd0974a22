// Laying out piece pictures.
#include "shell/windows/piece_pictures.h"

#include "ui/picture_box.h"
#include "ui/twips.h"

namespace quimbo {

void addPieces(QWidget* parent, std::span<const PiecePlace> places, int boxTwips, PieceSize size) {
  for (const PiecePlace& place : places) {
    ui::Picture picture = piecePicture(place.side);
    if (size == PieceSize::Small) {
      picture = ui::Picture(place.side == Side::Computer ? "computer_piece_small" : "player_piece_small");
    }
    auto* box = new ui::PictureBox(picture, parent);
    box->setObjectName(place.name);
    box->setGeometry(ui::pixelRect(place.left, place.top, boxTwips, boxTwips));
  }
}

}  // namespace quimbo
