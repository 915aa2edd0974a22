// Thousands of seeded sequences of every input at any moment, after each of which the rules of the
// board hold; from each, the match is played on to its result, and then a whole match more, every
// round judged from the board. And fields holding any text, which no handler may crash or hang on.
// A failure names its seed: QUIMBO_RANDOM_SEED=s replays it, QUIMBO_RANDOM_SEQUENCES=n runs more.
#include <gtest/gtest.h>

#include <cstdlib>

#include "support/game_text.h"
#include "support/player.h"
#include "support/recording_platform.h"

namespace quimbo::test {
namespace {

std::uint64_t fromEnvironment(const char* name, std::uint64_t fallback) {
  const char* text = std::getenv(name);
  return text ? std::strtoull(text, nullptr, 10) : fallback;
}

TEST(Play, AnyInputAtAnyMomentKeepsTheRulesAndEveryMatchIsScoredAsTheBoardShows) {
  const std::uint64_t only = fromEnvironment("QUIMBO_RANDOM_SEED", 0);
  const std::uint64_t last = only ? only : fromEnvironment("QUIMBO_RANDOM_SEQUENCES", 2000);
  for (std::uint64_t seed = only ? only : 1; seed <= last; ++seed) {
    SCOPED_TRACE("replay with QUIMBO_RANDOM_SEED=" + std::to_string(seed));
    SeededRandom random(seed);
    RecordingPlatform platform;
    platform.browserStarts = seed % 2;
    Game game(random, platform);
    std::mt19937_64 choice(seed ^ 0x9e3779b97f4a7c15ull);
    std::string inputs;
    for (int step = 0; step < 300; ++step) {
      const Input input =
          decodeInput(static_cast<std::uint8_t>(choice()), static_cast<std::uint8_t>(choice()));
      inputs +=
          std::to_string(static_cast<int>(input.action)) + ":" + std::to_string(input.value) + " ";
      handle(game, input);
      ASSERT_EQ(brokenInvariant(game), "")
          << "after " << inputs.substr(inputs.size() > 80 ? inputs.size() - 80 : 0);
    }
    Player player(game, seed);
    ASSERT_EQ(player.finishMatch(), "");
    if (game.ended) continue;
    handle(game, {Action::AcknowledgeResult});
    player.openers.clear(), player.outcomes.clear();
    ASSERT_EQ(player.finishMatch(), "");
    ASSERT_EQ(player.outcomes.size(), 5u);
    for (std::size_t round = 1; round < 5; ++round)
      ASSERT_NE(player.openers[round], player.openers[round - 1]);
    const std::string settled = stateOf(game.form1);
    handle(game, Input::timePasses(5000));
    ASSERT_EQ(stateOf(game.form1), settled) << "nothing moves behind the result";
  }
}

TEST(Play, FieldsHoldingAnyTextCrashOrHangNoHandler) {
  const std::string texts[] = {
      "", "0", "1", "5", " 1", "-1", "5x", "x", "10", std::string(30, '9'), "     PC: 10   "};
  for (std::uint64_t seed = 1; seed <= 1500; ++seed) {
    SeededRandom random(seed);
    RecordingPlatform platform;
    Game game(random, platform);
    std::mt19937_64 choice(seed);
    for (int step = 0; step < 120; ++step) {
      const std::string& text = texts[choice() % std::size(texts)];
      switch (choice() % 8) {
        case 0:
          game.form1.mjug = text;
          break;
        case 1:
          game.form1.mpc = text;
          break;
        case 2:
          game.form1.command5Visible = !game.form1.command5Visible;
          break;
        case 3:
          game.form1.panel.setText(static_cast<Field>(choice() % kFieldCount + 1), text);
          break;
      }
      handle(game,
             decodeInput(static_cast<std::uint8_t>(choice()), static_cast<std::uint8_t>(choice())));
    }
  }
}

}  // namespace
}  // namespace quimbo::test
