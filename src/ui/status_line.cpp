// Announcing news.
#include "ui/status_line.h"

#include <QAccessible>
#include <QtGlobal>

namespace quimbo::ui {

void StatusLine::announce(const QString& news) {
  setAccessibleName(news);
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
  // Screen readers speak an announcement once, as news, whatever has the focus.
  QAccessibleAnnouncementEvent announcement(this, news);
  QAccessible::updateAccessibility(&announcement);
#else
  // Before Qt 6.8 there are no announcements: screen readers speak a notification when it shows.
  QAccessibleEvent shown(this, QAccessible::ObjectShow);
  QAccessible::updateAccessibility(&shown);
#endif
}

}  // namespace quimbo::ui
