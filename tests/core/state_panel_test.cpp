// The state panel: its texts at load and the numeric read every rule relies on.
#include <gtest/gtest.h>

#include <limits>

#include "game/state_panel.h"

namespace quimbo {
namespace {

using enum Field;

struct NumberCase {
  const char* text;
  std::int64_t expected;
};

class ReadNumber : public testing::TestWithParam<NumberCase> {};

TEST_P(ReadNumber, TakesTheLeadingNumber) {
  EXPECT_EQ(readNumber(GetParam().text), GetParam().expected) << '"' << GetParam().text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ReadNumber,
    testing::Values(NumberCase{"", 0}, NumberCase{"5", 5}, NumberCase{"0", 0},
                    NumberCase{"   5", 5}, NumberCase{"\t7", 7}, NumberCase{"-3", -3},
                    NumberCase{"+4", 4}, NumberCase{"5 rounds", 5}, NumberCase{"12 3", 12},
                    NumberCase{"5.9", 5}, NumberCase{"007", 7}, NumberCase{"abc", 0},
                    NumberCase{"x5", 0}, NumberCase{"- 5", 0}, NumberCase{"  ", 0},
                    NumberCase{"+", 0}));

TEST(ReadNumberLimits, HugeNumbersSaturateSoCountingOnIsSafe) {
  const std::int64_t huge = readNumber("99999999999999999999999999999999");
  const std::int64_t hugeNegative = readNumber("-99999999999999999999999999999999");
  EXPECT_GT(huge, 1'000'000'000);
  EXPECT_LT(huge, std::numeric_limits<std::int64_t>::max());
  EXPECT_EQ(hugeNegative, -huge);
}

TEST(StatePanel, StartsWithTheCountersAtZeroAndEverythingElseEmpty) {
  const StatePanel panel;
  for (int f = 1; f <= kFieldCount; ++f) {
    const auto field = static_cast<Field>(f);
    const bool counter = field == Text22 || field == Text23 || field == Text24 || field == Text26;
    EXPECT_EQ(panel.text(field), counter ? "0" : "") << "Text" << f;
  }
}

TEST(StatePanel, ClearEmptiesExactlyTheRangeGiven) {
  StatePanel panel;
  for (int f = 1; f <= kFieldCount; ++f) panel.setText(static_cast<Field>(f), "x");
  panel.clear(Text10, Text19);
  EXPECT_EQ(panel.text(Text9), "x");
  EXPECT_EQ(panel.text(Text10), "");
  EXPECT_EQ(panel.text(Text19), "");
  EXPECT_EQ(panel.text(Text20), "x");
}

TEST(StatePanel, NumbersAreWrittenAsPlainDecimalText) {
  StatePanel panel;
  panel.setNumber(Text22, 3);
  panel.setNumber(Text25, -1);
  EXPECT_EQ(panel.text(Text22), "3");
  EXPECT_EQ(panel.text(Text25), "-1");
}

}  // namespace
}  // namespace quimbo
