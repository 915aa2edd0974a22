// Painting the graphical command button.
#include "ui/picture_button.h"

#include <QPainter>
#include <QPen>
#include <QPixmap>
#include <QPoint>
#include <QRect>
#include <QSizeF>
#include <QString>
#include <Qt>

#include "ui/focus_ring.h"

namespace quimbo::ui {

PictureButton::PictureButton(QColor face, QWidget* parent) : Button(parent), face_(face) {}

void PictureButton::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QRect face = rect();
  painter.fillRect(face, face_);

  const bool down = isDown();
  const QColor light = down ? face_.darker(160) : Qt::white;
  const QColor dark = down ? Qt::white : face_.darker(170);
  painter.setPen(light);
  painter.drawLine(face.topLeft(), face.topRight());
  painter.drawLine(face.topLeft(), face.bottomLeft());
  painter.setPen(dark);
  painter.drawLine(face.bottomLeft(), face.bottomRight());
  painter.drawLine(face.topRight(), face.bottomRight());

  const QPoint shift = down ? QPoint(1, 1) : QPoint();
  if (!picture_.isNull()) {
    const QPixmap pixmap = picture_.forRatio(devicePixelRatioF());
    QRect target(QPoint(), pixmap.deviceIndependentSize().toSize());
    target.moveCenter(face.center() + shift);
    painter.drawPixmap(target.topLeft(), pixmap);
  }
  if (!text().isEmpty()) {
    painter.setPen(Qt::black);
    painter.setFont(font());
    painter.drawText(face.translated(shift), Qt::AlignCenter | Qt::TextShowMnemonic, text());
  }
  if (showsFocusRing(*this)) {
    painter.setPen(QPen(face_.darker(220), 1, Qt::DotLine));
    painter.drawRect(face.adjusted(3, 3, -4, -4));
  }
}

}  // namespace quimbo::ui
