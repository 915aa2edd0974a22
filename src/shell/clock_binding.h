// Keeps the game's clock in step with real time: one precise QTimer, armed only while a game timer
// is enabled, for the nearest deadline.
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <optional>

#include "core/model/clock.h"

namespace quimbo {

class ClockBinding : public QObject {
  Q_OBJECT

 public:
  ClockBinding(const Clock& clock, QObject* parent);

  // How far real time has run ahead of the game's clock.
  Milliseconds behind() const;
  // Arms the real timer for the clock's nearest deadline, or stops it when nothing is due.
  void rearm();
  void stop() { timer_.stop(); }
  bool isArmed() const { return timer_.isActive(); }
  int remainingMs() const { return timer_.remainingTime(); }

 signals:
  // The real timer fired: the game's nearest deadline has come.
  void due();

 private:
  Milliseconds realNow() const { return offset_ + elapsed_.elapsed(); }
  void onTimeout();

  const Clock& clock_;
  QElapsedTimer elapsed_;
  QTimer timer_;
  Milliseconds offset_;                  // the clock's time when real time started being counted
  std::optional<Milliseconds> awaited_;  // the deadline the real timer is armed for
  bool reportLateness_;
};

}  // namespace quimbo
