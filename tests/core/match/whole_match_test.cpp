// Whole matches through the core on the virtual clock, with a player clicking free cells at random.
#include <gtest/gtest.h>

#include "outcome/match_result.h"
#include "outcome/score_captions.h"
#include "support/form1_snapshot.h"
#include "support/match_player.h"
#include "support/recording_platform.h"

namespace quimbo::test {
namespace {

using enum Field;

TEST(WholeMatch, EveryMatchEndsAfterFiveRoundsWithTwoPointsARoundAndAlternatingOpeners) {
  for (std::uint64_t seed = 1; seed <= 300; ++seed) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    SeededRandom random(seed);
    RecordingPlatform platform;
    Game game(random, platform);
    MatchPlayer player(game, seed);

    for (int match = 0; match < 2; ++match) {
      ASSERT_TRUE(player.playMatch()) << "match " << match << " never showed its result";
      EXPECT_EQ(game.form1.panel.text(Text22), "5");
      const auto computer = pointsShown(game.form1.mpc, Side::Matrix);
      const auto human = pointsShown(game.form1.mjug, Side::Player);
      ASSERT_TRUE(computer && human);
      EXPECT_EQ(*computer + *human, 2 * kRoundsPerMatch);
      EXPECT_EQ(game.form4.label2, std::to_string(*computer));
      EXPECT_EQ(game.form4.label3, std::to_string(*human));

      ASSERT_EQ(player.openers().size(), 5u);
      for (std::size_t round = 1; round < 5; ++round) {
        EXPECT_NE(player.openers()[round], player.openers()[round - 1]) << "round " << round + 1;
      }

      // Behind the result window nothing moves any more, whatever the player clicks.
      const auto settled = snapshotOf(game.form1);
      for (int step = 0; step < 5; ++step) player.step();
      EXPECT_EQ(snapshotOf(game.form1), settled);
      EXPECT_FALSE(game.clock.nextDeadline());

      acknowledgeMatchResult(game);
      EXPECT_TRUE(game.form1.command5Visible);
    }
  }
}

}  // namespace
}  // namespace quimbo::test
