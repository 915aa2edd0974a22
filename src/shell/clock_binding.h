// Keeps the game's clock in step with real time: one precise QTimer, armed only while a game timer
// is enabled, for the nearest deadline.
#pragma once

#include <QObject>
#include <QTimer>
#include <functional>
#include <optional>

#include "core/model/clock.h"

namespace quimbo {

// Real time in milliseconds from any start: the system's steady clock, or a test's own.
using RealTime = std::function<Milliseconds()>;

class ClockBinding : public QObject {
  Q_OBJECT

 public:
  ClockBinding(const Clock& clock, RealTime realTime, QObject* parent);

  // How far real time has run ahead of the game's clock.
  Milliseconds behind() const;
  // Arms the real timer for the clock's nearest deadline, or stops it when nothing is due.
  void rearm();
  void stop() { timer_.stop(); }
  // How long until the real timer fires, in milliseconds, as the system's timers have it; -1 when
  // it is not armed.
  int waitMs() const { return timer_.remainingTime(); }

 signals:
  // The real timer fired: the game's nearest deadline has come.
  void due();

 private:
  Milliseconds realNow() const { return offset_ + realTime_() - start_; }
  void onTimeout();

  const Clock& clock_;
  RealTime realTime_;
  Milliseconds start_;                   // real time when the binding began
  QTimer timer_;
  Milliseconds offset_;                  // the clock's time when the binding began
  std::optional<Milliseconds> awaited_;  // the deadline the real timer is armed for
  bool reportLateness_;
};

// The system's steady clock, in milliseconds.
Milliseconds steadyMilliseconds();

}  // namespace quimbo
