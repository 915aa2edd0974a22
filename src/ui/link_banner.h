// A banner that opens a web address: a picture with its own mouse pointer, a button for the
// keyboard and for assistive technology.
#pragma once

#include <QObject>
#include <QPaintEvent>
#include <QWidget>

#include "ui/button.h"
#include "ui/pictures.h"

namespace quimbo::ui {

class LinkBanner : public Button {
  Q_OBJECT

 public:
  LinkBanner(Picture picture, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  Picture picture_;
};

}  // namespace quimbo::ui
