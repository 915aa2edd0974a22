// The game's pictures, each with its double-resolution version for high-density screens.
#pragma once

#include <QPixmap>
#include <QString>

namespace quimbo::ui {

class Picture {
public:
  Picture() = default;
  // Loads ":/pictures/<name>.png" and ":/pictures/<name>@2x.png".
  explicit Picture(const QString& name);

  QSize size() const { return normal_.size(); }  // in device-independent pixels
  // The version to draw on a device of the given pixel ratio.
  const QPixmap& forRatio(qreal devicePixelRatio) const;

private:
  QPixmap normal_;
  QPixmap doubled_;
};

}  // namespace quimbo::ui
