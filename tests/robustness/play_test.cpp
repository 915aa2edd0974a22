// Whole matches, judged from the board alone; then thousands of seeded sequences of every input at
// any moment, after each of which the rules of the board still hold and from which every match
// still reaches its result; and fields holding any text, which no handler may crash or hang on.
// A failure names its seed: QUIMBO_RANDOM_SEED=s replays one sequence, QUIMBO_RANDOM_SEQUENCES=n
// runs more.
#include <gtest/gtest.h>

#include <cstdlib>
#include <deque>

#include "support/game_text.h"
#include "support/player.h"
#include "support/recording_platform.h"

namespace quimbo::test {
namespace {

std::uint64_t fromEnvironment(const char* name, std::uint64_t fallback) {
  const char* text = std::getenv(name);
  return text ? std::strtoull(text, nullptr, 10) : fallback;
}

TEST(Play, WholeMatchesScoreEveryRoundAsTheBoardShowsAndAlternateTheOpener) {
  for (std::uint64_t seed = 1; seed <= 300; ++seed) {
    SeededRandom random(seed);
    RecordingPlatform platform;
    Game game(random, platform);
    Player player(game, seed);
    for (int match = 0; match < 2; ++match) {
      player.openers.clear(), player.outcomes.clear();
      ASSERT_EQ(player.finishMatch(), "") << "seed " << seed;
      ASSERT_EQ(player.outcomes.size(), 5u) << "seed " << seed;
      for (std::size_t round = 1; round < 5; ++round) {
        ASSERT_NE(player.openers[round], player.openers[round - 1]) << "seed " << seed;
      }
      const std::string settled = stateOf(game.form1);
      for (int step = 0; step < 5; ++step) handle(game, Input::timePasses(1000));
      ASSERT_EQ(stateOf(game.form1), settled) << "seed " << seed << ": nothing moves behind the result";
      handle(game, {Action::AcknowledgeResult});
    }
  }
}

TEST(Play, AnyInputAtAnyMomentKeepsTheRulesOfTheBoard) {
  const std::uint64_t only = fromEnvironment("QUIMBO_RANDOM_SEED", 0);
  const std::uint64_t last = only ? only : fromEnvironment("QUIMBO_RANDOM_SEQUENCES", 3000);
  for (std::uint64_t seed = only ? only : 1; seed <= last; ++seed) {
    SeededRandom random(seed);
    RecordingPlatform platform;
    platform.browserStarts = seed % 2;
    Game game(random, platform);
    std::mt19937_64 choice(seed ^ 0x9e3779b97f4a7c15ull);
    std::deque<std::string> recent;
    for (int step = 0; step < 300; ++step) {
      const Input input = decodeInput(static_cast<std::uint8_t>(choice()), static_cast<std::uint8_t>(choice()));
      recent.push_back(describe(input));
      if (recent.size() > 12) recent.pop_front();
      handle(game, input);
      const std::string broken = brokenInvariant(game);
      ASSERT_EQ(broken, "") << "step " << step << ", seed " << seed << ", after "
                            << testing::PrintToString(recent);
    }
    ASSERT_EQ(Player(game, seed).finishMatch(), "") << "seed " << seed;
  }
}

TEST(Play, FieldsHoldingAnyTextCrashOrHangNoHandler) {
  const std::string texts[] = {"", "0", "1", "5", " 1", "01", "-1", "5x", "x", "10",
                               std::string(30, '9'), "     PC: 10   ", std::string(300, '7')};
  for (std::uint64_t seed = 1; seed <= 1500; ++seed) {
    SeededRandom random(seed);
    RecordingPlatform platform;
    Game game(random, platform);
    std::mt19937_64 choice(seed);
    for (int step = 0; step < 120; ++step) {
      if (choice() % 4 == 0) {
        const std::string& text = texts[choice() % std::size(texts)];
        switch (choice() % 4) {
          case 0: game.form1.mjug = text; break;
          case 1: game.form1.mpc = text; break;
          case 2: game.form1.command5Visible = !game.form1.command5Visible; break;
          default: game.form1.panel.setText(static_cast<Field>(choice() % kFieldCount + 1), text);
        }
      }
      handle(game, decodeInput(static_cast<std::uint8_t>(choice()), static_cast<std::uint8_t>(choice())));
    }
  }
}

}  // namespace
}  // namespace quimbo::test
