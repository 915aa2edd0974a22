// Thousands of seeded sequences of every input at any moment, after each of which the rules of the
// board hold; from each, the match is played on to its result, and then a whole match more, every
// round judged from the board. A failure names its seed: QUIMBO_RANDOM_SEED=s replays it,
// QUIMBO_RANDOM_SEQUENCES=n runs more.
#include <cstdint>
#include <cstdlib>
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <vector>

#include "core/game.h"
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
    std::vector<std::uint8_t> inputs(600);
    for (std::uint8_t& byte : inputs) byte = static_cast<std::uint8_t>(choice());
    ASSERT_EQ(playBytes(game, inputs, seed), "");
    if (game.ended) continue;
    handle(game, {Action::AcknowledgeResult});
    Player player(game, seed);
    ASSERT_EQ(player.finishMatch(), "");
    ASSERT_EQ(player.outcomes.size(), 5u);
    const std::string settled = stateOf(game.mainWindow);
    handle(game, Input::timePasses(5000));
    ASSERT_EQ(stateOf(game.mainWindow), settled) << "nothing moves behind the result";
  }
}

}  // namespace
}  // namespace quimbo::test
