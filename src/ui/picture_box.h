// A picture box: a picture drawn from its top-left corner.
#pragma once

#include <QObject>
#include <QPaintEvent>
#include <QWidget>

#include "ui/pictures.h"

namespace quimbo::ui {

class PictureBox : public QWidget {
  Q_OBJECT

 public:
  PictureBox(Picture picture, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  Picture picture_;
};

}  // namespace quimbo::ui
