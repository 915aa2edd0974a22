// The real timer behind the game's clock.
#include "shell/clock_binding.h"

#include <Qt>
#include <QtGlobal>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <limits>
#include <utility>

namespace quimbo {

Milliseconds steadyMilliseconds() {
  return std::chrono::duration_cast<std::chrono::milliseconds>(
             std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

ClockBinding::ClockBinding(const Clock& clock, RealTime realTime, QObject* parent)
    : QObject(parent),
      clock_(clock),
      realTime_(std::move(realTime)),
      start_(realTime_()),
      offset_(clock.now()),
      reportLateness_(qEnvironmentVariableIsSet("QUIMBO_TIMING_LOG")) {
  timer_.setSingleShot(true);
  timer_.setTimerType(Qt::PreciseTimer);
  connect(&timer_, &QTimer::timeout, this, &ClockBinding::onTimeout);
}

Milliseconds ClockBinding::behind() const { return std::max<Milliseconds>(0, realNow() - clock_.now()); }

void ClockBinding::rearm() {
  const auto deadline = clock_.nextDeadline();
  awaited_ = deadline;
  if (!deadline) {
    timer_.stop();
    return;
  }
  const Milliseconds wait = std::max<Milliseconds>(0, *deadline - realNow());
  timer_.start(static_cast<int>(std::min<Milliseconds>(wait, std::numeric_limits<int>::max())));
}

void ClockBinding::onTimeout() {
  // With QUIMBO_TIMING_LOG set, each expiry reports how late it came: the measure of how evenly
  // the game's one-second steps are paced on a real desktop.
  if (reportLateness_ && awaited_) {
    std::fprintf(stderr, "quimbo-timing: fired %lld ms after its deadline\n",
                 static_cast<long long>(realNow() - *awaited_));
  }
  emit due();
}

}  // namespace quimbo
