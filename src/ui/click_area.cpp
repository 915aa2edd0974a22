// The transparent click area.
#include "ui/click_area.h"

#include <QColor>
#include <QPainter>
#include <QPen>
#include <QRect>
#include <Qt>

#include "ui/focus_ring.h"

namespace quimbo::ui {

void ClickArea::paintEvent(QPaintEvent*) {
  if (!showsFocusRing(*this)) return;
  QPainter painter(this);
  painter.setPen(QPen(QColor(255, 255, 255, 200), 1, Qt::DotLine));
  painter.drawRect(rect().adjusted(1, 1, -2, -2));
}

}  // namespace quimbo::ui
