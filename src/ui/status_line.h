// A line of status text that also tells assistive technology the news as it happens, wherever the
// keyboard focus is, and keeps the latest news to be read again on demand.
#pragma once

#include <QLabel>
#include <QObject>
#include <QShowEvent>
#include <QString>
#include <QWidget>
#include <QtGlobal>

class QShowEvent;

namespace quimbo::ui {

class StatusLine : public QLabel {
  Q_OBJECT

 public:
  // Since Qt 6.8 screen readers speak the news as an announcement, and the line is plain text to
  // them; before it, they speak the line as a notification each time it shows.
  static constexpr bool kAnnounces = QT_VERSION >= QT_VERSION_CHECK(6, 8, 0);

  explicit StatusLine(QWidget* parent) : QLabel(parent) {}
  // Tells the news now, or as soon as the window shows.
  void announce(const QString& news);

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void speak();

  bool pending_ = false;  // news to tell once the window shows
};

}  // namespace quimbo::ui
