// Labels as the windows lay them out: a text in a box given in twips, in one font and colour.
#pragma once

#include <QColor>
#include <QFont>
#include <QLabel>
#include <QRect>
#include <QString>
#include <QWidget>
#include <Qt>

namespace quimbo::ui {

struct LabelStyle {
  QFont font;
  QColor colour = Qt::black;
  Qt::Alignment alignment = Qt::AlignCenter;
};

// A label with its top-left corner and size in twips, relative to its parent.
QLabel* addLabel(QWidget* parent, QRect twips, const QString& text, const LabelStyle& style);

}  // namespace quimbo::ui
