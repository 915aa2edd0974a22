// A graphical command button: a raised face of its own colour showing a picture or a caption
// in its middle; it looks pressed while held down.
#pragma once

#include <QColor>
#include <QDeadlineTimer>
#include <QObject>
#include <QPaintEvent>
#include <QWidget>
#include <utility>

#include "ui/button.h"
#include "ui/pictures.h"

namespace quimbo::ui {

class PictureButton : public Button {
  Q_OBJECT

 public:
  PictureButton(QColor face, QWidget* parent);
  void setPicture(Picture picture) { picture_ = std::move(picture); }
  // For the next `ms` milliseconds the button takes no press: its owner asks isHeldOff().
  void holdOff(int ms) { heldOff_.setRemainingTime(ms); }
  bool isHeldOff() const { return !heldOff_.hasExpired(); }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QColor face_;
  QDeadlineTimer heldOff_{0};
  Picture picture_;
};

}  // namespace quimbo::ui
