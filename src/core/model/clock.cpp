// The virtual clock: arming, ticking and the nearest deadline.
#include "core/model/clock.h"

#include <cassert>

namespace quimbo {

Clock::TimerId Clock::addTimer(Milliseconds interval) {
  assert(interval > 0);
  Entry timer;
  timer.interval = interval;
  timers_.push_back(std::move(timer));
  return timers_.size() - 1;
}

void Clock::setTickHandler(TimerId id, std::function<void()> handler) {
  timers_[id].handler = std::move(handler);
}

void Clock::setEnabled(TimerId id, bool enabled) {
  Entry& timer = timers_[id];
  if (enabled && !timer.enabled) {
    timer.deadline = now_ + timer.interval;
    timer.armedAs = ++armings_;
  }
  timer.enabled = enabled;
}

std::optional<Milliseconds> Clock::nextDeadline() const {
  std::optional<Milliseconds> nearest;
  for (const Entry& timer : timers_) {
    if (timer.enabled && (!nearest || timer.deadline < *nearest)) nearest = timer.deadline;
  }
  return nearest;
}

std::optional<Clock::TimerId> Clock::firstDueBy(Milliseconds moment) const {
  std::optional<TimerId> first;
  for (TimerId id = 0; id < timers_.size(); ++id) {
    const Entry& timer = timers_[id];
    if (!timer.enabled || timer.deadline > moment) continue;
    if (!first || timer.deadline < timers_[*first].deadline ||
        (timer.deadline == timers_[*first].deadline && timer.armedAs < timers_[*first].armedAs)) {
      first = id;
    }
  }
  return first;
}

void Clock::advanceTo(Milliseconds moment) {
  while (const auto due = firstDueBy(moment)) {
    Entry& timer = timers_[*due];
    now_ = timer.deadline;
    // Re-armed before the tick, so a handler that disables its own timer has the last word.
    timer.deadline += timer.interval;
    timer.armedAs = ++armings_;
    if (timer.handler) {
      const auto handler = timer.handler;  // the handler may replace itself while running
      handler();
    }
  }
  if (moment > now_) now_ = moment;
}

}  // namespace quimbo
