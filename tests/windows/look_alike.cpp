// Judges each window as rendered now against its picture, as a player would see them side by side.
// Font rasterisers of different releases may draw a glyph's edge, an accent or the dot of an i a
// pixel away, without adding or taking away ink. So the pictures may differ only in spots of at
// most 5 x 4 pixels (10 x 8 at twice the density), each holding the same ink: every colour
// channel's sum over the spot, with a pixel's margin, within a quarter of a pixel's worth. A moved
// picture or control, or a wrong word, changes a larger spot; a wrong colour or a lost accent
// changes the ink.
//   quimbo_look_alike <expected folder> <rendered folder> <density>
#include <QDir>
#include <QImage>
#include <QList>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QTextStream>
#include <algorithm>
#include <cstdlib>

namespace {

// The pixels that differ, joined into spots where they lie within two pixels of each other.
QList<QRect> spotsOf(const QImage& expected, const QImage& actual) {
  const int width = expected.width();
  QList<bool> left(width * expected.height());  // differing, and in no spot yet
  for (int at = 0; at < left.size(); ++at) {
    left[at] = expected.pixel(at % width, at / width) != actual.pixel(at % width, at / width);
  }
  QList<QRect> spots;
  for (int start = 0; start < left.size(); ++start) {
    if (!left[start]) continue;
    left[start] = false;
    QList<QPoint> reach{{start % width, start / width}};
    QRect spot(reach[0], reach[0]);
    while (!reach.isEmpty()) {
      const QPoint at = reach.takeLast();
      spot |= QRect(at, at);
      const QRect near = QRect(at - QPoint(2, 2), at + QPoint(2, 2)) & expected.rect();
      for (int y = near.top(); y <= near.bottom(); ++y) {
        for (int x = near.left(); x <= near.right(); ++x) {
          if (left[y * width + x]) left[y * width + x] = false, reach << QPoint(x, y);
        }
      }
    }
    spots << spot;
  }
  return spots;
}

// What a player would see differ between the picture and the window, or nothing.
QStringList differences(const QImage& expected, const QImage& actual, int density) {
  if (actual.size() != expected.size()) {
    return {QString::asprintf("%d x %d pixels, the picture %d x %d", actual.width(),
                              actual.height(), expected.width(), expected.height())};
  }
  QStringList found;
  for (const QRect& spot : spotsOf(expected, actual)) {
    const QString where = QString::asprintf("%d x %d pixels at (%d, %d) differ", spot.width(),
                                            spot.height(), spot.x(), spot.y());
    if (spot.width() > 5 * density || spot.height() > 4 * density) {
      found << where + ", more than a font rasteriser changes: something moved, changed colour, "
                       "or is missing or new";
      continue;
    }
    double lighter[3] = {};  // in pixels' worth of each channel, over the spot and its margin
    const QRect margin = spot.adjusted(-1, -1, 1, 1) & expected.rect();
    for (int y = margin.top(); y <= margin.bottom(); ++y) {
      for (int x = margin.left(); x <= margin.right(); ++x) {
        const QRgb e = expected.pixel(x, y), a = actual.pixel(x, y);
        lighter[0] += (qRed(a) - qRed(e)) / 255.0;
        lighter[1] += (qGreen(a) - qGreen(e)) / 255.0;
        lighter[2] += (qBlue(a) - qBlue(e)) / 255.0;
      }
    }
    if (std::max({std::abs(lighter[0]), std::abs(lighter[1]), std::abs(lighter[2])}) >
        0.25 * density * density) {
      found << where + QString::asprintf(" in ink (red, green, blue %.2f, %.2f, %.2f pixels' worth"
                                         " lighter): a mark or an accent missing or new, or a "
                                         "wrong colour", lighter[0], lighter[1], lighter[2]);
    }
  }
  return found;
}

}  // namespace

int main(int argc, char* argv[]) {
  QTextStream out(stdout);
  const QDir expected(argc == 4 ? argv[1] : ""), rendered(argc == 4 ? argv[2] : "");
  const int density = argc == 4 ? QString(argv[3]).toInt() : 0;
  const QStringList pictures = expected.entryList({"*.png"}, QDir::Files);
  if (pictures.isEmpty() || density < 1) {
    out << "usage: quimbo_look_alike <folder of pictures> <folder of renderings> <density>\n";
    return 2;
  }
  int failed = 0;
  for (const QString& name : pictures) {
    const QImage window = QImage(rendered.filePath(name)).convertToFormat(QImage::Format_ARGB32);
    const QImage picture = QImage(expected.filePath(name)).convertToFormat(QImage::Format_ARGB32);
    const QStringList found =
        window.isNull() ? QStringList{"not rendered"} : differences(picture, window, density);
    for (const QString& difference : found) out << name << ": " << difference << "\n";
    failed += !found.isEmpty();
  }
  out << failed << " of " << pictures.size() << " windows differ from their pictures\n";
  return failed ? 1 : 0;
}
