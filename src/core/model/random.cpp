// The draws of the rules and the two generators behind them.
#include "core/model/random.h"

#include <algorithm>
#include <chrono>

namespace quimbo {

namespace {

double uniform(std::mt19937_64& engine) {
  // The top 53 bits make every double in [0, 1) equally likely and never 1.
  return static_cast<double>(engine() >> 11) * 0x1.0p-53;
}

// The whole part of r x outcomes. A faulty source (1 or more, negative, not a number) still gives
// one of the outcomes.
int wholePart(double r, int outcomes) {
  if (!(r > 0.0)) return 0;
  if (r >= 1.0) return outcomes - 1;
  return std::min(static_cast<int>(r * outcomes), outcomes - 1);
}

}  // namespace

int tossCoin(Random& random) { return wholePart(random.next(), 2); }

int drawCell(Random& random) { return wholePart(random.next(), 9) + 1; }

SystemRandom::SystemRandom() { reseed(); }

double SystemRandom::next() { return uniform(engine_); }

void SystemRandom::reseed() {
  const auto ticks = static_cast<std::uint64_t>(
      std::chrono::high_resolution_clock::now().time_since_epoch().count());
  ++reseeds_;
  std::seed_seq seeds{entropy_(),
                      entropy_(),
                      static_cast<unsigned>(ticks),
                      static_cast<unsigned>(ticks >> 32),
                      static_cast<unsigned>(reseeds_),
                      static_cast<unsigned>(reseeds_ >> 32)};
  engine_.seed(seeds);
}

SeededRandom::SeededRandom(std::uint64_t seed) : seed_(seed), engine_(seed) {}

double SeededRandom::next() { return uniform(engine_); }

void SeededRandom::reseed() {
  ++reseeds_;
  std::seed_seq seeds{static_cast<unsigned>(seed_), static_cast<unsigned>(seed_ >> 32),
                      static_cast<unsigned>(reseeds_), static_cast<unsigned>(reseeds_ >> 32)};
  engine_.seed(seeds);
}

}  // namespace quimbo
