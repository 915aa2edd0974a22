// Pressing a button from the keyboard.
#include "ui/button.h"

#include <QKeyEvent>
#include <Qt>

namespace quimbo::ui {

Button::Button(QWidget* parent) : QAbstractButton(parent) { setFocusPolicy(Qt::TabFocus); }

void Button::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: click(); return;
    case Qt::Key_Right: emit stepped(1, 0); return;
    case Qt::Key_Left: emit stepped(-1, 0); return;
    case Qt::Key_Down: emit stepped(0, 1); return;
    case Qt::Key_Up: emit stepped(0, -1); return;
    default: QAbstractButton::keyPressEvent(event);
  }
}

}  // namespace quimbo::ui
