// A random source that gives the cells and coins a test lists, in order, and counts the reseeds.
#pragma once

#include <deque>
#include <initializer_list>
#include <optional>

#include "core/model/random.h"

namespace quimbo::test {

class ScriptedRandom final : public Random {
 public:
  void cells(std::initializer_list<int> cells) {
    for (int cell : cells) draws_.push_back((cell - 0.5) / 9.0);
  }
  void coins(std::initializer_list<int> sides) {
    for (int side : sides) draws_.push_back(side == 0 ? 0.25 : 0.75);
  }

  // Once the script is used up, draws come from a seeded generator instead of failing the test.
  void continueFreely(std::uint64_t seed) { free_.emplace(seed); }

  double next() override;
  void reseed() override {
    ++reseeds_;
    if (free_) free_->reseed();
  }

  int reseeds() const { return reseeds_; }
  int drawsTaken() const { return taken_; }
  bool exhausted() const { return draws_.empty(); }

 private:
  std::deque<double> draws_;
  std::optional<SeededRandom> free_;
  int reseeds_ = 0;
  int taken_ = 0;
};

}  // namespace quimbo::test
