// Keeps the game's clock in step with real time: one precise QTimer, armed only while a game timer
// is enabled, for the nearest deadline.
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <optional>

#include "game/clock.h"

namespace quimbo::ui {

class ClockBinding : public QObject {
  Q_OBJECT

 public:
  ClockBinding(Clock& clock, QObject* parent);

  // Brings the clock up to the present, ticking whatever fell due.
  void catchUp();
  // Arms the real timer for the clock's nearest deadline, or stops it when nothing is due.
  void rearm();
  void stop() { timer_.stop(); }
  bool isArmed() const { return timer_.isActive(); }
  int remainingMs() const { return timer_.remainingTime(); }

 signals:
  // The real timer fired and the clock has ticked what was due.
  void ticked();

 private:
  void onTimeout();

  Clock& clock_;
  QElapsedTimer elapsed_;
  QTimer timer_;
  Milliseconds offset_;                  // the clock's time when real time started being counted
  std::optional<Milliseconds> awaited_;  // the deadline the real timer is armed for
  bool reportLateness_;
};

}  // namespace quimbo::ui
