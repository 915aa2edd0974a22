// What the kit's windows tell assistive technology, beyond Qt's own: each window is a frame or an
// alert with its name and its controls, without the widgets that only decorate or lay them out; a
// status line is a notification, and menu items are read without their padding blanks, captions
// as plain text.
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

// Lets assistive technology see the controls of a widget that only lays them out (a window's
// client area) as its parent's own, with no empty container between.
void markLayoutOnly(QWidget* widget);

// A menu item that only shows a caption, such as a score: read as text, never pressed.
QAction* addCaption(QMenuBar* menuBar);

}  // namespace quimbo::ui
