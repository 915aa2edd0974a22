// The family list and pixel sizing of the game's fonts.
#include "ui/fonts.h"

#include <QString>
#include <QStringList>
#include <cmath>

namespace quimbo::ui {

QFont gameFont(double points, FontStyle style) {
  QFont font;
  // Narrow, clear families first: the windows are small and their texts fill them.
  font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arial"),
                    QStringLiteral("DejaVu Sans"), QStringLiteral("Sans Serif")});
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(static_cast<int>(std::lround(points * 96.0 / 72.0)));
  font.setBold(style.bold);
  font.setItalic(style.italic);
  return font;
}

}  // namespace quimbo::ui
