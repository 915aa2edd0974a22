// Judges each window as rendered now against its picture, as a player would see them side by side.
// Font rasterisers of different releases may draw a glyph's edge, an accent or the dot of an i a
// pixel away, without adding or taking away ink. So the pictures may differ only in spots of at
// most 5 x 4 pixels (10 x 8 at twice the density), each holding the same ink: every colour
// channel's sum over the spot, with a pixel's margin, within a quarter of a pixel's worth. A moved
// picture or control, or a wrong word, changes a larger spot; a wrong colour or a lost accent
// changes the ink.
//   quimbo_look_alike <expected folder> <rendered folder> <density>
#include <QColor>
#include <QDir>
#include <QImage>
#include <QList>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QTextStream>
#include <algorithm>
#include <array>
#include <cstdlib>

namespace {

QTextStream out(stdout);

int difference(QRgb a, QRgb b) {
  return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                   std::abs(qBlue(a) - qBlue(b)), std::abs(qAlpha(a) - qAlpha(b))});
}

// The pixels that differ, joined into spots where they lie within two pixels of each other.
QList<QRect> spotsOf(const QImage& expected, const QImage& actual) {
  const int width = expected.width(), height = expected.height();
  QList<int> spotOf(width * height, -1);  // -1: the same pixel; otherwise, not yet in a spot
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      if (difference(expected.pixel(x, y), actual.pixel(x, y))) spotOf[y * width + x] = -2;
    }
  }
  QList<QRect> spots;
  for (int start = 0; start < spotOf.size(); ++start) {
    if (spotOf[start] != -2) continue;
    QList<QPoint> reach{{start % width, start / width}};
    QRect spot(reach.first(), reach.first());
    spotOf[start] = static_cast<int>(spots.size());
    while (!reach.isEmpty()) {
      const QPoint at = reach.takeLast();
      spot |= QRect(at, at);
      for (int y = std::max(0, at.y() - 2); y <= std::min(height - 1, at.y() + 2); ++y) {
        for (int x = std::max(0, at.x() - 2); x <= std::min(width - 1, at.x() + 2); ++x) {
          if (spotOf[y * width + x] != -2) continue;
          spotOf[y * width + x] = static_cast<int>(spots.size());
          reach << QPoint(x, y);
        }
      }
    }
    spots << spot;
  }
  return spots;
}

// How much lighter each colour channel is in the rendering, summed over the spot and a pixel's
// margin, in pixels' worth: a change of ink.
std::array<double, 3> lighter(const QImage& expected, const QImage& actual, QRect spot) {
  std::array<double, 3> sums{};
  spot = spot.adjusted(-1, -1, 1, 1) & expected.rect();
  for (int y = spot.top(); y <= spot.bottom(); ++y) {
    for (int x = spot.left(); x <= spot.right(); ++x) {
      const QRgb e = expected.pixel(x, y), a = actual.pixel(x, y);
      sums[0] += (qRed(a) - qRed(e)) / 255.0;
      sums[1] += (qGreen(a) - qGreen(e)) / 255.0;
      sums[2] += (qBlue(a) - qBlue(e)) / 255.0;
    }
  }
  return sums;
}

// What a player would see differ between the picture and the window, or nothing.
QStringList differences(const QImage& expected, const QImage& actual, int density) {
  if (actual.isNull()) return {"not rendered"};
  if (actual.size() != expected.size()) {
    return {QString("%1 x %2 pixels, the picture is %3 x %4")
                .arg(actual.width()).arg(actual.height()).arg(expected.width()).arg(expected.height())};
  }
  QStringList found;
  for (const QRect& spot : spotsOf(expected, actual)) {
    const QString where = QString("%1 x %2 pixels at (%3, %4)")
                              .arg(spot.width()).arg(spot.height()).arg(spot.x()).arg(spot.y());
    if (spot.width() > 5 * density || spot.height() > 4 * density) {
      found << where + " differ, more than a font rasteriser changes: something moved, changed "
                       "colour, or is missing or new";
      continue;
    }
    const auto [red, green, blue] = lighter(expected, actual, spot);
    const double allowed = 0.25 * density * density;
    if (std::max({std::abs(red), std::abs(green), std::abs(blue)}) > allowed) {
      found << where + QString(" differ in ink (red, green, blue %1, %2, %3 pixels' worth lighter):"
                               " a mark or an accent missing or new, or a wrong colour")
                           .arg(red, 0, 'f', 2).arg(green, 0, 'f', 2).arg(blue, 0, 'f', 2);
    }
  }
  return found;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc != 4) {
    out << "usage: quimbo_look_alike <expected folder> <rendered folder> <density>\n";
    return 2;
  }
  const QDir expected(argv[1]), rendered(argv[2]);
  const int density = QString(argv[3]).toInt();
  const QStringList pictures = expected.entryList({"*.png"}, QDir::Files);
  if (pictures.isEmpty() || density < 1) {
    out << "no pictures to compare in " << expected.path() << "\n";
    return 2;
  }
  int failed = 0;
  for (const QString& name : pictures) {
    const QImage picture = QImage(expected.filePath(name)).convertToFormat(QImage::Format_ARGB32);
    const QImage window = QImage(rendered.filePath(name)).convertToFormat(QImage::Format_ARGB32);
    const QStringList found = differences(picture, window, density);
    for (const QString& difference : found) out << name << ": " << difference << "\n";
    failed += !found.isEmpty();
  }
  out << failed << " of " << pictures.size() << " windows differ from their pictures\n";
  return failed ? 1 : 0;
}
