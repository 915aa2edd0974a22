// Loading the pictures embedded in the program.
#include "ui/pictures.h"

#include <QDebug>

namespace quimbo::ui {

Picture::Picture(const QString& name)
    : normal_(QStringLiteral(":/pictures/%1.png").arg(name)),
      doubled_(QStringLiteral(":/pictures/%1@2x.png").arg(name)) {
  if (normal_.isNull()) qWarning() << "missing picture" << name;
  doubled_.setDevicePixelRatio(2.0);
}

const QPixmap& Picture::forRatio(qreal devicePixelRatio) const {
  return devicePixelRatio > 1.0 && !doubled_.isNull() ? doubled_ : normal_;
}

}  // namespace quimbo::ui
