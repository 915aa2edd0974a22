// A transparent click area over part of a window: it draws nothing but a focus ring when it has
// the keyboard focus, and it is a button for the keyboard and for assistive technology.
#pragma once

#include <QObject>
#include <QPaintEvent>
#include <QWidget>

#include "ui/button.h"

namespace quimbo::ui {

class ClickArea : public Button {
  Q_OBJECT

 public:
  explicit ClickArea(QWidget* parent) : Button(parent) {}

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace quimbo::ui
