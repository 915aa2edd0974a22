// A random source that gives the cells and coins a test lists, in order, and counts the reseeds;
// once the list is used up, a seeded generator takes over.
#pragma once

#include <deque>
#include <initializer_list>

#include "core/model/random.h"

namespace quimbo::test {

class ScriptedRandom final : public Random {
 public:
  explicit ScriptedRandom(std::uint64_t seed = 1) : free_(seed) {}

  void cells(std::initializer_list<int> cells) {
    for (int cell : cells) draws_.push_back((cell - 0.5) / 9.0);
  }
  void coins(std::initializer_list<int> sides) {
    for (int side : sides) draws_.push_back(side == 0 ? 0.25 : 0.75);
  }

  double next() override {
    if (draws_.empty()) return free_.next();
    const double r = draws_.front();
    draws_.pop_front();
    return r;
  }
  void reseed() override {
    ++reseeds_;
    free_.reseed();
  }

  int reseeds() const { return reseeds_; }
  bool usedUp() const { return draws_.empty(); }

 private:
  std::deque<double> draws_;
  SeededRandom free_;
  int reseeds_ = 0;
};

}  // namespace quimbo::test
