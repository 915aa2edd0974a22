// The game's clock and its timers. Time here is virtual: tests advance it by hand, and the
// windows keep it in step with real time, so both run the same timers.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

namespace quimbo {

using Milliseconds = std::int64_t;

// Timers behave like classic window timers: enabling a disabled timer arms it for now + interval,
// it then ticks every interval until it is disabled. Enabling an enabled timer changes nothing.
class Clock {
 public:
  using TimerId = std::size_t;

  Milliseconds now() const { return now_; }

  TimerId addTimer(Milliseconds interval);
  void setTickHandler(TimerId id, std::function<void()> handler);
  void setEnabled(TimerId id, bool enabled);
  bool isEnabled(TimerId id) const { return timers_[id].enabled; }
  Milliseconds interval(TimerId id) const { return timers_[id].interval; }

  // The earliest moment a timer is due, if any timer is enabled.
  std::optional<Milliseconds> nextDeadline() const;

  // Moves time forward, ticking every timer that falls due on the way, in deadline order (timers
  // due at the same moment tick in the order they were armed).
  void advance(Milliseconds by) { advanceTo(now_ + by); }
  void advanceTo(Milliseconds moment);

 private:
  struct Entry {
    Milliseconds interval = 0;
    bool enabled = false;
    Milliseconds deadline = 0;
    std::uint64_t armedAs = 0;  // arming order, to break ties between equal deadlines
    std::function<void()> handler;
  };

  std::optional<TimerId> firstDueBy(Milliseconds moment) const;

  std::vector<Entry> timers_;
  Milliseconds now_ = 0;
  std::uint64_t armings_ = 0;
};

// One named timer of a window, as the rules use it: enable, disable, tick.
class Timer {
 public:
  Timer(Clock& clock, Milliseconds interval) : clock_(clock), id_(clock.addTimer(interval)) {}
  Timer(const Timer&) = delete;
  Timer& operator=(const Timer&) = delete;

  void enable() { clock_.setEnabled(id_, true); }
  void disable() { clock_.setEnabled(id_, false); }
  bool isEnabled() const { return clock_.isEnabled(id_); }
  void onTick(std::function<void()> handler) { clock_.setTickHandler(id_, std::move(handler)); }

 private:
  Clock& clock_;
  Clock::TimerId id_;
};

}  // namespace quimbo
