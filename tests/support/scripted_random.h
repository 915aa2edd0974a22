// A random source that gives the cells and coins a test lists, in order; once the list is used
// up, a seeded generator takes over.
#pragma once

#include <deque>
#include <initializer_list>

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
  double next() override {
    const double r = draws_.empty() ? free_.next() : draws_.front();
    if (!draws_.empty()) draws_.pop_front();
    return r;
  }
  void reseed() override { free_.reseed(); }
  bool usedUp() const { return draws_.empty(); }

 private:
  std::deque<double> draws_;
  SeededRandom free_{1};
};

}  // namespace quimbo::test
