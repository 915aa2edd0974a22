// Board geometry: which click target is which cell, and where each side's pieces stand.
#include <gtest/gtest.h>

#include <set>

#include "game/board.h"
#include "game/form1.h"

namespace quimbo {
namespace {

TEST(ClickTargets, EachImageBelongsToItsOwnCell) {
  // Image1 is the top middle cell, Image9 the top left: the numbering runs round the board.
  const std::array<int, 10> cellOfImage{0, 2, 3, 5, 6, 9, 8, 7, 4, 1};
  std::set<int> cells;
  for (int image = 1; image <= 9; ++image) {
    EXPECT_EQ(cellOfClickTarget(image), cellOfImage[static_cast<std::size_t>(image)]) << image;
    cells.insert(cellOfClickTarget(image));
  }
  EXPECT_EQ(cells.size(), 9u);
}

TEST(ClickTargets, CoverTheirCellsInAThreeByThreeGrid) {
  for (int cell = 1; cell <= 9; ++cell) {
    const Point at = kCellPlaces[static_cast<std::size_t>(cell - 1)].target;
    EXPECT_EQ(at.left, 360 + 960 * ((cell - 1) % 3)) << cell;
    EXPECT_EQ(at.top, 360 + 960 * ((cell - 1) / 3)) << cell;
  }
}

TEST(PiecePlaces, PlayerPiecesStandTenTwipsHigherBelowTheTopRow) {
  for (int cell = 1; cell <= 9; ++cell) {
    const Point computer = piecePlace(cell, Side::Matrix);
    const Point player = piecePlace(cell, Side::Player);
    EXPECT_EQ(player.left, computer.left) << cell;
    EXPECT_EQ(computer.top - player.top, cell <= 3 ? 0 : 10) << cell;
  }
}

TEST(PiecePlaces, RightColumnAndBottomRowStandAt2260NotAtTheTargets2280) {
  EXPECT_EQ(piecePlace(3, Side::Matrix), (Point{2260, 360}));
  EXPECT_EQ(piecePlace(9, Side::Matrix), (Point{2260, 2260}));
  EXPECT_EQ(piecePlace(9, Side::Player), (Point{2260, 2250}));
  EXPECT_EQ(piecePlace(7, Side::Player), (Point{360, 2250}));
  EXPECT_EQ(piecePlace(5, Side::Player), (Point{1320, 1310}));
}

TEST(Pieces, StandOffTheBoardAtLoadAndAfterParking) {
  Clock clock;
  Form1 form(clock);
  for (const Point& at : form.pictures) EXPECT_GE(at.left, kClientSize.width);

  form.putPiece(kPlayerPieces[0], 5, Side::Player);
  form.putPiece(kComputerPieces[0], 9, Side::Matrix);
  form.parkPieces();
  for (const Point& at : form.pictures) EXPECT_GE(at.left, kClientSize.width);
  // Parking moves pieces sideways only: they keep the Top of the cell they stood on.
  EXPECT_EQ(form.picture(6).top, 1310);
  EXPECT_EQ(form.picture(1).top, 2260);
  EXPECT_EQ(form.picture(2), kLoadPlaces[1]);
}

}  // namespace
}  // namespace quimbo
