// A line of status text that also tells assistive technology the news as it happens: screen
// readers speak it as a notification, wherever the keyboard focus is.
#pragma once

#include <QLabel>

namespace quimbo::ui {

class StatusLine : public QLabel {
  Q_OBJECT

 public:
  explicit StatusLine(QWidget* parent) : QLabel(parent) {}
  void announce(const QString& news);
};

}  // namespace quimbo::ui
