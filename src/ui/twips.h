// Twips to pixels: window layouts are measured in twips, 15 to a pixel at 96 dots per inch.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace quimbo::ui {

inline constexpr int kTwipsPerPixel = 15;

// Rounded to the nearest pixel: 2260 twips is pixel 151, 1310 is pixel 87.
constexpr int pixels(int twips) {
  return (twips >= 0 ? twips + kTwipsPerPixel / 2 : twips - kTwipsPerPixel / 2) / kTwipsPerPixel;
}

inline QPoint pixelPoint(int left, int top) { return {pixels(left), pixels(top)}; }
inline QSize pixelSize(int width, int height) { return {pixels(width), pixels(height)}; }
inline QRect pixelRect(int left, int top, int width, int height) {
  return {pixelPoint(left, top), pixelSize(width, height)};
}
inline QRect pixelRect(QRect twips) {
  return pixelRect(twips.x(), twips.y(), twips.width(), twips.height());
}

}  // namespace quimbo::ui
