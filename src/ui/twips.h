// Twips to pixels: window layouts are measured in twips, 15 to a pixel at 96 dots per inch.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

#include "game/board.h"

namespace quimbo::ui {

inline constexpr int kTwipsPerPixel = 15;

// Rounded to the nearest pixel: 2260 twips is pixel 151, 1310 is pixel 87.
constexpr int pixels(int twips) {
  return (twips >= 0 ? twips + kTwipsPerPixel / 2 : twips - kTwipsPerPixel / 2) / kTwipsPerPixel;
}

inline QPoint pixelPoint(int left, int top) { return {pixels(left), pixels(top)}; }
inline QPoint pixelPoint(Point at) { return pixelPoint(at.left, at.top); }
inline QSize pixelSize(int width, int height) { return {pixels(width), pixels(height)}; }
inline QSize pixelSize(Size size) { return pixelSize(size.width, size.height); }
inline QRect pixelRect(int left, int top, int width, int height) {
  return {pixelPoint(left, top), pixelSize(width, height)};
}

}  // namespace quimbo::ui
