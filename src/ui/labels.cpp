// Making labels.
#include "ui/labels.h"

#include <QPalette>

#include "ui/twips.h"

namespace quimbo::ui {

QLabel* addLabel(QWidget* parent, QRect twips, const QString& text, const LabelStyle& style) {
  auto* label = new QLabel(text, parent);
  label->setGeometry(pixelRect(twips));
  label->setFont(style.font);
  label->setAlignment(style.alignment);
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, style.colour);
  label->setPalette(palette);
  return label;
}

}  // namespace quimbo::ui
