// Chance: the source of uniform numbers the rules draw from, and the draws they make with it.
#pragma once

#include <cstdint>
#include <random>

namespace quimbo {

class Random {
 public:
  virtual ~Random() = default;
  virtual double next() = 0;  // uniform in [0, 1)
  virtual void reseed() = 0;  // where the rules seed the generator again from the clock
};

// A coin: 0 or 1, each with chance 1/2.
int tossCoin(Random& random);
// A cell number 1..9, each with chance 1/9.
int drawCell(Random& random);

// The game's own generator. Every reseed mixes fresh entropy, a high-resolution clock and a
// counter, so even many reseeds within one microsecond give fresh, independent draws.
class SystemRandom final : public Random {
 public:
  SystemRandom();
  double next() override;
  void reseed() override;

 private:
  std::random_device entropy_;
  std::mt19937_64 engine_;
  std::uint64_t reseeds_ = 0;
};

// A reproducible generator for replays and tests: the same seed gives the same game, and every
// reseed moves on to a fresh stream derived from the seed.
class SeededRandom final : public Random {
 public:
  explicit SeededRandom(std::uint64_t seed);
  double next() override;
  void reseed() override;

 private:
  std::uint64_t seed_;
  std::uint64_t reseeds_ = 0;
  std::mt19937_64 engine_;
};

}  // namespace quimbo
