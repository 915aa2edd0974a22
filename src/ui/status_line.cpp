// Announcing news.
#include "ui/status_line.h"

#include <QAccessible>
#include <QAccessibleEvent>

namespace quimbo::ui {

void StatusLine::announce(const QString& news) {
  setAccessibleName(news);
  pending_ = !isVisible();
  // A notification that shows with its window is spoken with it, once, by the screen reader.
  if (!pending_) speak();
}

void StatusLine::showEvent(QShowEvent* event) {
  QLabel::showEvent(event);
  if (kAnnounces && pending_) speak();
  pending_ = false;
}

void StatusLine::speak() {
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
  QAccessibleAnnouncementEvent announcement(this, accessibleName());
  QAccessible::updateAccessibility(&announcement);
#else
  QAccessibleEvent shown(this, QAccessible::ObjectShow);
  QAccessible::updateAccessibility(&shown);
#endif
}

}  // namespace quimbo::ui
