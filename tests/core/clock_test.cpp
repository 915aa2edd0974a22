// The virtual clock: timers tick like classic window timers, in deadline order.
#include <gtest/gtest.h>

#include <string>

#include "game/clock.h"

namespace quimbo {
namespace {

TEST(Clock, AnEnabledTimerTicksOneIntervalLaterNotBefore) {
  Clock clock;
  Timer timer(clock, 1000);
  int ticks = 0;
  timer.onTick([&] { ++ticks; });
  clock.advance(500);
  timer.enable();
  clock.advance(999);
  EXPECT_EQ(ticks, 0);
  clock.advance(1);
  EXPECT_EQ(ticks, 1);
  EXPECT_EQ(clock.now(), 1500);
}

TEST(Clock, ATimerKeepsTickingUntilItIsDisabled) {
  Clock clock;
  Timer timer(clock, 1000);
  int ticks = 0;
  timer.onTick([&] {
    if (++ticks == 3) timer.disable();
  });
  timer.enable();
  clock.advance(10'000);
  EXPECT_EQ(ticks, 3);
  EXPECT_FALSE(clock.nextDeadline());
}

TEST(Clock, EnablingAnEnabledTimerDoesNotPutItsTickOff) {
  Clock clock;
  Timer timer(clock, 1000);
  timer.enable();
  clock.advance(600);
  timer.enable();
  EXPECT_EQ(clock.nextDeadline(), 1000);
  timer.disable();
  timer.enable();
  EXPECT_EQ(clock.nextDeadline(), 1600);
}

TEST(Clock, TimersTickInDeadlineOrderAndTiesInArmingOrder) {
  Clock clock;
  Timer slow(clock, 3000);
  Timer first(clock, 1000);
  Timer second(clock, 1000);
  std::string order;
  slow.onTick([&] { order += 'S'; slow.disable(); });
  first.onTick([&] { order += 'F'; first.disable(); });
  second.onTick([&] { order += '2'; second.disable(); });
  slow.enable();
  second.enable();
  first.enable();
  clock.advance(5000);
  EXPECT_EQ(order, "2FS");
}

TEST(Clock, ATimerArmedByATickCountsFromThatTick) {
  Clock clock;
  Timer opener(clock, 1000);
  Timer follower(clock, 1000);
  Milliseconds followerTick = 0;
  opener.onTick([&] {
    opener.disable();
    follower.enable();
  });
  follower.onTick([&] {
    followerTick = clock.now();
    follower.disable();
  });
  opener.enable();
  clock.advance(5000);  // one long step still runs the chain at its own pace
  EXPECT_EQ(followerTick, 2000);
  EXPECT_EQ(clock.now(), 5000);
}

TEST(Clock, NothingIsDueWhileNoTimerIsEnabled) {
  Clock clock;
  Timer timer(clock, 1000);
  EXPECT_FALSE(clock.nextDeadline());
  timer.enable();
  timer.disable();
  EXPECT_FALSE(clock.nextDeadline());
}

}  // namespace
}  // namespace quimbo
