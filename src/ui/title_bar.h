// A title bar a window draws for itself where the desktop's own does not fit a window of fixed
// size: on Wayland, Qt's own bar offers to maximise any window. It shows the window's icon and
// title and buttons to minimise and to close it; dragging it moves the window.
#pragma once

#include <QMouseEvent>
#include <QObject>
#include <QPaintEvent>
#include <QString>
#include <QWidget>

namespace quimbo::ui {

class TitleBar : public QWidget {
  Q_OBJECT

 public:
  explicit TitleBar(QWidget* window);
  // Whether a desktop reached through this Qt platform plugin ("wayland", "wayland-egl", "xcb", ...)
  // leaves the title bar to the window.
  static bool isNeeded(const QString& platformName);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
};

}  // namespace quimbo::ui
