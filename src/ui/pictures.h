// The game's pictures, each with its double-resolution version for high-density screens. A
// picture is decoded the first time it is drawn, once for the whole program, and only in the
// resolution the screen needs.
#pragma once

#include <QPixmap>
#include <QString>
#include <utility>

namespace quimbo::ui {

class Picture {
 public:
  Picture() = default;
  // The picture ":/pictures/<name>.png", with its double ":/pictures/<name>@2x.png".
  explicit Picture(QString name) : name_(std::move(name)) {}

  bool isNull() const { return name_.isEmpty(); }
  // The version to draw on a device of the given pixel ratio.
  QPixmap forRatio(qreal devicePixelRatio) const;

 private:
  QString name_;
};

}  // namespace quimbo::ui
