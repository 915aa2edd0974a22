// The state panel's numeric read and the clock's timers, which every rule relies on.
#include <gtest/gtest.h>

#include <string>

#include "core/model/clock.h"
#include "core/model/state_panel.h"

namespace quimbo {
namespace {

TEST(StatePanel, ReadsTheLeadingNumberOfAField) {
  const std::pair<const char*, std::int64_t> cases[] = {
      {"", 0},    {"5", 5},       {"   5", 5}, {"\t7", 7},   {"-3", -3}, {"+4", 4},
      {"5 x", 5}, {"12 3", 12},   {"5.9", 5},  {"007", 7},   {"abc", 0}, {"x5", 0},
      {"- 5", 0}, {"  ", 0},      {"+", 0}};
  for (const auto& [text, number] : cases) {
    EXPECT_EQ(readNumber(text), number) << '"' << text << '"';
  }
}

TEST(StatePanel, HugeNumbersSaturateSoCountingOnCannotOverflow) {
  const std::int64_t huge = readNumber(std::string(40, '9'));
  EXPECT_GT(huge, 1'000'000'000);
  EXPECT_EQ(readNumber("-" + std::string(40, '9')), -huge);
  StatePanel panel;
  panel.setNumber(Field::Text22, huge + 1);  // what the next-round preparation does
  EXPECT_EQ(panel.text(Field::Text22), std::to_string(huge + 1));
}

TEST(Clock, TimersTickOneIntervalAfterEnablingInDeadlineOrderUntilDisabled) {
  Clock clock;
  Timer slow(clock, 3000), first(clock, 1000), second(clock, 1000);
  std::string ticks;
  slow.onTick([&] { ticks += 'S'; });  // keeps ticking: never disabled
  first.onTick([&] { ticks += 'F'; first.disable(); });
  second.onTick([&] {  // re-armed from its own tick
    ticks += '2';
    second.disable();
    second.enable();
  });
  clock.advance(500);
  slow.enable();
  second.enable();
  first.enable();
  first.enable();  // enabling an enabled timer does not put it off
  clock.advance(999);
  EXPECT_EQ(ticks, "");
  clock.advance(1);
  EXPECT_EQ(ticks, "2F") << "equal deadlines tick in the order they were armed";
  clock.advance(6000);
  EXPECT_EQ(ticks, "2F2S222S22");
  EXPECT_EQ(clock.now(), 7500);
}

TEST(Clock, NothingIsDueWhileNoTimerIsEnabled) {
  Clock clock;
  Timer timer(clock, 1000);
  EXPECT_FALSE(clock.nextDeadline());
  timer.enable();
  EXPECT_EQ(clock.nextDeadline(), 1000);
  timer.disable();
  EXPECT_FALSE(clock.nextDeadline());
}

}  // namespace
}  // namespace quimbo
