// A random source that gives the numbers a test lists, in order, and counts the reseeds.
#pragma once

#include <deque>
#include <initializer_list>

#include "game/random.h"

namespace quimbo::test {

class ScriptedRandom final : public Random {
public:
  ScriptedRandom() = default;
  ScriptedRandom(std::initializer_list<double> draws) : draws_(draws) {}

  void add(std::initializer_list<double> draws) { draws_.insert(draws_.end(), draws); }
  // The value that makes drawCell() give `cell`, and tossCoin() give `side`.
  static double forCell(int cell) { return (cell - 0.5) / 9.0; }
  static double forCoin(int side) { return side == 0 ? 0.25 : 0.75; }

  double next() override;
  void reseed() override { ++reseeds_; }

  int reseeds() const { return reseeds_; }
  int drawsTaken() const { return taken_; }
  bool exhausted() const { return draws_.empty(); }

private:
  std::deque<double> draws_;
  int reseeds_ = 0;
  int taken_ = 0;
};

}  // namespace quimbo::test
