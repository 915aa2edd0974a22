// The scripted random source. Running out of numbers is a mistake in the test.
#include "support/scripted_random.h"

#include <gtest/gtest.h>

namespace quimbo::test {

double ScriptedRandom::next() {
  ++taken_;
  if (draws_.empty() && free_) return free_->next();
  if (draws_.empty()) {
    ADD_FAILURE() << "the scripted random source ran out of numbers";
    return (taken_ % 9 + 0.5) / 9.0;  // sweeps the cells, so a loop that keeps drawing still ends
  }
  const double r = draws_.front();
  draws_.pop_front();
  return r;
}

}  // namespace quimbo::test
