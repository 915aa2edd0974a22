// A random source that gives the cells and coins a test lists, in order; once the list is used
// up, it draws the cells in turn (1, 2, ... 9, 1, ...), so that any loop of draws ends.
#pragma once

#include <cstddef>
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
    const double r = draws_.empty() ? (static_cast<double>(taken_ % 9) + 0.5) / 9 : draws_.front();
    if (!draws_.empty()) draws_.pop_front();
    ++taken_;
    return r;
  }
  void reseed() override {}
  bool usedUp() const { return draws_.empty(); }
  std::size_t taken() const { return taken_; }

 private:
  std::deque<double> draws_;
  std::size_t taken_ = 0;
};

}  // namespace quimbo::test
