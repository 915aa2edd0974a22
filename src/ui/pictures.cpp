// Decoding the pictures embedded in the program, on demand.
#include "ui/pictures.h"

#include <QDebug>
#include <QPixmapCache>
#include <QString>
#include <QtGlobal>

namespace quimbo::ui {

namespace {

QString fileOf(const QString& name, bool doubled) {
  return QStringLiteral(":/pictures/%1%2.png")
      .arg(name, doubled ? QStringLiteral("@2x") : QString());
}

QPixmap decoded(const QString& file, qreal ratio) {
  QPixmap pixmap;
  if (QPixmapCache::find(file, &pixmap)) return pixmap;
  if (!pixmap.load(file)) qWarning() << "missing picture" << file;
  pixmap.setDevicePixelRatio(ratio);
  QPixmapCache::insert(file, pixmap);
  return pixmap;
}

}  // namespace

QPixmap Picture::forRatio(qreal devicePixelRatio) const {
  if (isNull()) return {};
  if (devicePixelRatio > 1.0) {
    const QPixmap doubled = decoded(fileOf(name_, true), 2.0);
    if (!doubled.isNull()) return doubled;
  }
  return decoded(fileOf(name_, false), 1.0);
}

}  // namespace quimbo::ui
