// A picture box: a picture drawn from its top-left corner; it reports clicks.
#pragma once

#include <QWidget>

#include "ui/pictures.h"

namespace quimbo::ui {

class PictureBox : public QWidget {
  Q_OBJECT

 public:
  PictureBox(Picture picture, QWidget* parent);

 signals:
  void clicked();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  Picture picture_;
};

}  // namespace quimbo::ui
