// The real timer behind the game's clock.
#include "ui/clock_binding.h"

#include <algorithm>
#include <limits>

namespace quimbo::ui {

ClockBinding::ClockBinding(Clock& clock, QObject* parent)
    : QObject(parent), clock_(clock), offset_(clock.now()) {
  elapsed_.start();
  timer_.setSingleShot(true);
  timer_.setTimerType(Qt::PreciseTimer);
  connect(&timer_, &QTimer::timeout, this, &ClockBinding::onTimeout);
}

void ClockBinding::catchUp() { clock_.advanceTo(offset_ + elapsed_.elapsed()); }

void ClockBinding::rearm() {
  const auto deadline = clock_.nextDeadline();
  if (!deadline) {
    timer_.stop();
    return;
  }
  const Milliseconds wait = std::max<Milliseconds>(0, *deadline - (offset_ + elapsed_.elapsed()));
  timer_.start(static_cast<int>(std::min<Milliseconds>(wait, std::numeric_limits<int>::max())));
}

void ClockBinding::onTimeout() {
  catchUp();
  emit ticked();
}

}  // namespace quimbo::ui
