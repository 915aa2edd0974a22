// Painting a frame's etched border and caption.
#include "ui/frame.h"

#include <QBrush>
#include <QColor>
#include <QFlags>
#include <QFontMetrics>
#include <QPainter>
#include <QPalette>
#include <Qt>

#include "ui/accessibility.h"
#include "ui/twips.h"

namespace quimbo::ui {

Frame::Frame(const QString& caption, QWidget* parent) : QWidget(parent), caption_(caption) {}

void Frame::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QFontMetrics metrics(font());
  // Like classic frames, the border runs through the middle of the caption's line, caption or not.
  const QRect border = rect().adjusted(0, metrics.height() / 2, -2, -2);
  painter.setPen(QColor(128, 128, 128));
  painter.drawRect(border);
  painter.setPen(Qt::white);
  painter.drawRect(border.translated(1, 1));

  if (caption_.isEmpty()) return;
  const QRect text(8, 0, metrics.horizontalAdvance(caption_), metrics.height());
  painter.fillRect(text, palette().window());
  painter.setPen(palette().windowText().color());
  painter.drawText(text, Qt::AlignLeft | Qt::AlignVCenter, caption_);
}

Frame* addFrame(QWidget* parent, const char* name, QRect twips, const QString& caption) {
  auto* frame = new Frame(caption, parent);
  frame->setObjectName(name);
  if (caption.isEmpty()) markLayoutOnly(frame);  // only a border: its controls are its parent's
  frame->setGeometry(pixelRect(twips));
  return frame;
}

}  // namespace quimbo::ui
