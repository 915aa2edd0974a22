// Thousands of seeded sequences of every user action at any moment, with time passing in random
// steps: after every action the game's invariants hold, and every match played on ends with its
// result, from which a new match starts. A failure names its seed and the actions that led to it.
//
// QUIMBO_RANDOM_SEQUENCES=n runs n sequences (a longer run); QUIMBO_RANDOM_SEED=s replays one.
#include <gtest/gtest.h>

#include <cstdlib>
#include <deque>
#include <random>

#include "robustness/actions.h"
#include "support/recording_platform.h"

namespace quimbo::test {
namespace {

std::uint64_t fromEnvironment(const char* name, std::uint64_t fallback) {
  const char* text = std::getenv(name);
  return text ? std::strtoull(text, nullptr, 10) : fallback;
}

// Runs one sequence; "" when it went well, otherwise the failure with the last actions.
std::string runSequence(std::uint64_t seed, int length) {
  SeededRandom random(seed);
  RecordingPlatform platform;
  Game game(random, platform);
  std::mt19937_64 choice(seed ^ 0x9e3779b97f4a7c15ull);
  std::deque<std::string> recent;

  for (int step = 0; step < length; ++step) {
    const Input input =
        decodeInput(static_cast<std::uint8_t>(choice()), static_cast<std::uint8_t>(choice()));
    recent.push_back(describe(input));
    if (recent.size() > 12) recent.pop_front();
    handle(game, input);
    if (std::string broken = brokenInvariant(game); !broken.empty()) {
      std::string report = broken + " at step " + std::to_string(step) + " after:";
      for (const std::string& done : recent) report += "\n  " + done;
      return report;
    }
  }
  return finishMatchAndStartAnother(game, seed);
}

TEST(RandomActions, KeepEveryInvariantAndEveryMatchEnds) {
  const std::uint64_t only = fromEnvironment("QUIMBO_RANDOM_SEED", 0);
  const std::uint64_t sequences = fromEnvironment("QUIMBO_RANDOM_SEQUENCES", 3000);
  const std::uint64_t first = only ? only : 1;
  const std::uint64_t last = only ? only : sequences;
  for (std::uint64_t seed = first; seed <= last; ++seed) {
    const std::string failure = runSequence(seed, 300);
    ASSERT_TRUE(failure.empty()) << failure << "\nreplay with QUIMBO_RANDOM_SEED=" << seed;
  }
}

}  // namespace
}  // namespace quimbo::test
