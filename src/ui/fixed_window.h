// A top-level window with a client area of fixed size that opens centred on the screen: either a
// titled window (with an optional menu bar above the client area) or a borderless panel.
#pragma once

#include <QAccessible>
#include <QCloseEvent>
#include <QColor>
#include <QMouseEvent>
#include <QObject>
#include <QPaintEvent>
#include <QPoint>
#include <QSize>
#include <QWidget>
#include <Qt>

class QMenuBar;

namespace quimbo::ui {

class FixedWindow : public QWidget {
  Q_OBJECT

 public:
  enum class Chrome {
    Titled,      // title bar with minimise and close buttons, no maximise; the window draws it
                 // where the desktop's own would offer to maximise
    Borderless,  // no title bar, a thin fixed border
    Resizable,   // no title bar, a raised border that can be dragged to make the window larger
  };

  // An owner keeps the window above it on the desktop. Only a titled window can be closed by the
  // user.
  FixedWindow(QSize clientSize, Chrome chrome, QColor background, QWidget* owner = nullptr);

  // Everything the window shows is a child of its client area.
  QWidget* client() const { return client_; }
  void setMenuBar(QMenuBar* menuBar);
  // Shows the window, centred on its screen when it was hidden.
  void showCentred();
  // Hides the window; the keyboard goes back to its owner, where the player left it.
  void hideToOwner();
  // The edges of the window that a press at `at` (in the window) grabs to resize it: some only on
  // the border of a resizable window.
  Qt::Edges edgesAt(QPoint at) const;
  // What the window is to assistive technology: a frame, or an alert that needs an answer.
  QAccessible::Role accessibleRole() const { return accessibleRole_; }
  void setAccessibleRole(QAccessible::Role role) { accessibleRole_ = role; }

 protected:
  void closeEvent(QCloseEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  QWidget* client_;
  QWidget* titleBar_ = nullptr;  // where the desktop leaves the title bar to the window
  Chrome chrome_;
  QAccessible::Role accessibleRole_ = QAccessible::Window;
};

}  // namespace quimbo::ui
