// The score captions: their exact forms and how a score advances.
#include <gtest/gtest.h>

#include "outcome/score_captions.h"

namespace quimbo {
namespace {

TEST(ScoreCaptions, HaveTheirExactFormsAndTenIsOneCharacterShorter) {
  EXPECT_EQ(scoreCaption(Side::Player, 0), "    Jug: 0     ");
  EXPECT_EQ(scoreCaption(Side::Matrix, 0), "     PC: 0     ");
  for (int points = 0; points <= 9; ++points) {
    EXPECT_EQ(scoreCaption(Side::Player, points).size(), 15u);
    EXPECT_EQ(scoreCaption(Side::Matrix, points).size(), 15u);
  }
  EXPECT_EQ(scoreCaption(Side::Player, 10), "    Jug: 10   ");
  EXPECT_EQ(scoreCaption(Side::Matrix, 10), "     PC: 10   ");
}

TEST(ScoreCaptions, AdvanceByTheRoundsPoints) {
  EXPECT_EQ(advancedScore("    Jug: 8     ", Side::Player, 2), "    Jug: 10   ");
  EXPECT_EQ(advancedScore("     PC: 0     ", Side::Matrix, 2), "     PC: 2     ");
  EXPECT_EQ(advancedScore("     PC: 4     ", Side::Matrix, 1), "     PC: 5     ");
  EXPECT_EQ(advancedScore("    Jug: 8     ", Side::Player, 1), "    Jug: 9     ");
}

TEST(ScoreCaptions, NineTenAndUnknownCaptionsStayAsTheyAre) {
  for (const char* caption : {"     PC: 9     ", "     PC: 10   ", "PC: 3", "     PC: 3    ",
                              "    Jug: 3     ", ""}) {
    EXPECT_EQ(advancedScore(caption, Side::Matrix, 2), caption) << '"' << caption << '"';
  }
}

TEST(ScoreCaptions, ReadBackOnlyFromTheirOwnSidesForms) {
  EXPECT_EQ(pointsShown("     PC: 10   ", Side::Matrix), 10);
  EXPECT_EQ(pointsShown("    Jug: 0     ", Side::Player), 0);
  EXPECT_FALSE(pointsShown("     PC: 10   ", Side::Player));
  EXPECT_FALSE(pointsShown("     PC: 10     ", Side::Matrix));
}

}  // namespace
}  // namespace quimbo
