// What the kit's windows tell assistive technology, beyond Qt's own: each window is a frame or an
// alert with its name, decorative pictures stay out of the way, a status line is a notification,
// and menu items are read without their padding blanks, captions as plain text.
#pragma once

#include <QString>

class QAction;
class QMenuBar;
class QWidget;

namespace quimbo::ui {

// Installs the kit's accessible interfaces; every FixedWindow does it on its first construction.
void installAccessibility();

// Keeps a widget that only decorates out of what assistive technology reads.
void markDecorative(QWidget* widget);

// A menu item that only shows a caption, such as a score: read as text, never pressed.
QAction* addCaption(QMenuBar* menuBar);

}  // namespace quimbo::ui
