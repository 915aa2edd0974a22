// A borderless panel that announces something: a click anywhere on it (or Enter, Space or Escape)
// acknowledges it. It opens centred and stays above its owner, which stays usable; it takes the
// keyboard while it shows, and assistive technology knows it as an alert.
#pragma once

#include <QColor>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QObject>
#include <QSize>
#include <QWidget>

#include "ui/fixed_window.h"

namespace quimbo::ui {

class PanelWindow : public FixedWindow {
  Q_OBJECT

 public:
  PanelWindow(QSize clientSize, QColor background, QWidget* owner);

  // Shows the panel centred, or hides it.
  void setShown(bool shown);

 signals:
  void acknowledged();

 protected:
  // Call once the contents are built: clicks on any of them are clicks on the panel.
  void letClicksThrough();

  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace quimbo::ui
