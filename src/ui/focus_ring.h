// Whether a control shows its focus ring: only while it has the focus and the user moves the focus
// with the keyboard, as the desktop's own styles do; a window that just opened shows none.
#pragma once

#include <QWidget>
#include <Qt>

namespace quimbo::ui {

inline bool showsFocusRing(const QWidget& control) {
  return control.hasFocus() && control.window()->testAttribute(Qt::WA_KeyboardFocusChange);
}

}  // namespace quimbo::ui
