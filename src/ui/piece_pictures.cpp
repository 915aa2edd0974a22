// Laying out piece pictures.
#include "ui/piece_pictures.h"

#include "ui/picture_box.h"
#include "ui/twips.h"

namespace quimbo::ui {

void addPieces(QWidget* parent, std::span<const PiecePlace> places, int boxTwips, PieceSize size) {
  for (const PiecePlace& place : places) {
    const bool small = size == PieceSize::Small;
    auto* picture =
        new PictureBox(small ? smallPiecePicture(place.side) : piecePicture(place.side), parent);
    picture->setObjectName(place.name);
    picture->setGeometry(pixelRect(place.left, place.top, boxTwips, boxTwips));
  }
}

}  // namespace quimbo::ui
