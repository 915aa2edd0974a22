// On a screen of twice the density, every window keeps its layout and every picture is drawn from
// its double-resolution version, pixel for pixel.
#include <QImage>

#include "ui/pictures.h"
#include "windows/window_fixture.h"

namespace quimbo::test {
namespace {

using enum Field;

// The share of the picture's pixels found unchanged in `screen` at `at` (device pixels).
double sameShare(const QImage& screen, const QImage& picture, QPoint at) {
  int same = 0;
  for (int y = 0; y < picture.height(); ++y) {
    for (int x = 0; x < picture.width(); ++x) {
      if (picture.pixelColor(x, y).alpha() < 255) continue;
      same += screen.pixelColor(at + QPoint(x, y)) == picture.pixelColor(x, y);
    }
  }
  return same / double(picture.width() * picture.height());
}

class HighDensity : public WindowTest {};

TEST_F(HighDensity, TheBoardKeepsItsLayoutAndDrawsTheDoubledPictures) {
  ASSERT_EQ(form1().devicePixelRatioF(), 2.0);
  EXPECT_EQ(form1().client()->size(), QSize(224, 293));
  EXPECT_EQ(part(&form1(), "Command5")->geometry(), QRect(88, 88, 50, 49));

  arrange([](Game& g) { playersTurn(g); });
  click(part(&form1(), "Image5"));  // the bottom right cell: Picture6 at (151, 150)
  const QImage screen = form1().client()->grab().toImage();
  EXPECT_EQ(screen.size(), QSize(448, 586));

  const QImage piece(":/pictures/player_piece@2x.png");
  ASSERT_EQ(piece.size(), QSize(90, 94));
  EXPECT_GT(sameShare(screen, piece, QPoint(302, 300)), 0.9) << "the piece is not the crisp 2x one";
  const QImage banner(":/pictures/link_banner@2x.png");
  EXPECT_GT(sameShare(screen, banner, QPoint(0, 460)), 0.9);
}

}  // namespace
}  // namespace quimbo::test
