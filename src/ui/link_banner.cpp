// Drawing the banner and its pointer.
#include "ui/link_banner.h"

#include <QColor>
#include <QCursor>
#include <QPainter>
#include <QPen>
#include <QPoint>
#include <QRect>
#include <QString>
#include <Qt>
#include <utility>

#include "ui/focus_ring.h"

namespace quimbo::ui {

namespace {
constexpr QPoint kFingertip(10, 1);  // the pointer's hot spot
}  // namespace

LinkBanner::LinkBanner(Picture picture, QWidget* parent)
    : Button(parent), picture_(std::move(picture)) {
  const Picture pointer("link_cursor");
  setCursor(QCursor(pointer.forRatio(devicePixelRatioF()), kFingertip.x(), kFingertip.y()));
}

void LinkBanner::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.drawPixmap(0, 0, picture_.forRatio(devicePixelRatioF()));
  if (showsFocusRing(*this)) {
    painter.setPen(QPen(QColor(128, 64, 0), 1, Qt::DotLine));
    painter.drawRect(rect().adjusted(2, 2, -3, -3));
  }
}

}  // namespace quimbo::ui
