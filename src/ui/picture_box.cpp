// Drawing a picture box and reporting its clicks.
#include "ui/picture_box.h"

#include <QMouseEvent>
#include <QPainter>

namespace quimbo::ui {

PictureBox::PictureBox(Picture picture, QWidget* parent)
    : QWidget(parent), picture_(std::move(picture)) {}

void PictureBox::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.drawPixmap(0, 0, picture_.forRatio(devicePixelRatioF()));
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
    emit clicked();
  }
}

}  // namespace quimbo::ui
