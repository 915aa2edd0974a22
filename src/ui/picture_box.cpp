// Drawing a picture box.
#include "ui/picture_box.h"

#include <QPainter>
#include <utility>

#include "ui/accessibility.h"

namespace quimbo::ui {

PictureBox::PictureBox(Picture picture, QWidget* parent)
    : QWidget(parent), picture_(std::move(picture)) {
  markDecorative(this);
}

void PictureBox::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.drawPixmap(0, 0, picture_.forRatio(devicePixelRatioF()));
}

}  // namespace quimbo::ui
