// A banner that opens a web address: a picture with its own mouse pointer, a button for the
// keyboard and for assistive technology.
#pragma once

#include <QAbstractButton>

#include "ui/pictures.h"

namespace quimbo::ui {

class LinkBanner : public QAbstractButton {
  Q_OBJECT

 public:
  LinkBanner(Picture picture, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  Picture picture_;
};

}  // namespace quimbo::ui
