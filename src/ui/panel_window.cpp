// Showing panels and turning clicks and keys into acknowledgements.
#include "ui/panel_window.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace quimbo::ui {

PanelWindow::PanelWindow(QSize clientSize, QColor background, QWidget* owner)
    : FixedWindow(clientSize, Chrome::Borderless, background, owner) {
  setFocusPolicy(Qt::StrongFocus);
}

void PanelWindow::setShown(bool shown) {
  if (!shown) {
    hide();
    return;
  }
  if (isVisible()) return;
  showCentred();
  activateWindow();
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
