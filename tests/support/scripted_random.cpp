// The scripted random source. Running out of numbers is a mistake in the test.
#include "support/scripted_random.h"

#include <gtest/gtest.h>

namespace quimbo::test {

double ScriptedRandom::next() {
  ++taken_;
  if (draws_.empty()) {
    ADD_FAILURE() << "the scripted random source ran out of numbers";
    // Sweep the cells so that a loop that keeps drawing still ends.
    return forCell(taken_ % 9 + 1);
  }
  const double r = draws_.front();
  draws_.pop_front();
  return r;
}

}  // namespace quimbo::test
