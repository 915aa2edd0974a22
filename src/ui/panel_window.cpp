// Showing panels and turning clicks and keys into acknowledgements.
#include "ui/panel_window.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QList>
#include <QMouseEvent>
#include <QPointF>
#include <QRect>
#include <Qt>

namespace quimbo::ui {

PanelWindow::PanelWindow(QSize clientSize, QColor background, QWidget* owner)
    : FixedWindow(clientSize, Chrome::Borderless, background, owner) {
  setFocusPolicy(Qt::StrongFocus);
  setAccessibleRole(QAccessible::AlertMessage);
}

void PanelWindow::setShown(bool shown) {
  if (shown == isVisible()) return;
  if (!shown) {
    hideToOwner();
    return;
  }
  showCentred();
  activateWindow();
  setFocus();  // a screen reader speaks the alert as the keyboard reaches it
}

void PanelWindow::letClicksThrough() {
  for (QWidget* child : findChildren<QWidget*>()) {
    child->setAttribute(Qt::WA_TransparentForMouseEvents);
  }
}

void PanelWindow::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
    emit acknowledged();
  }
}

void PanelWindow::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
    case Qt::Key_Escape:
      emit acknowledged();
      break;
    default:
      FixedWindow::keyPressEvent(event);
  }
}

}  // namespace quimbo::ui
