// The game's fonts, sized in pixels so every window keeps its layout whatever the screen's DPI.
#pragma once

#include <QFont>

namespace quimbo::ui {

struct FontStyle {
  bool bold = false;
  bool italic = false;
};

// A sans-serif font of the given point size at 96 dots per inch (8.25 pt is 11 pixels).
QFont gameFont(double points, FontStyle style = {});

}  // namespace quimbo::ui
