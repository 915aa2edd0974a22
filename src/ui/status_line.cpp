// Announcing news.
#include "ui/status_line.h"

#include <QAccessible>

namespace quimbo::ui {

void StatusLine::announce(const QString& news) {
  setAccessibleName(news);
  // Screen readers speak a notification when it shows.
  QAccessibleEvent shown(this, QAccessible::ObjectShow);
  QAccessible::updateAccessibility(&shown);
}

}  // namespace quimbo::ui
