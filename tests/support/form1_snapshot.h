// Everything of the main window's model in one comparable value, to prove that an ignored
// action changed nothing at all.
#pragma once

#include <array>
#include <ostream>
#include <string>

#include "game/form1.h"

namespace quimbo::test {

struct Form1Snapshot {
  std::array<std::string, kFieldCount> fields;
  std::array<Point, 10> pictures;
  std::string label1, mpc, mjug;
  bool command5Visible;
  std::array<bool, 5> timersEnabled;

  friend bool operator==(const Form1Snapshot&, const Form1Snapshot&) = default;
  friend std::ostream& operator<<(std::ostream& out, const Form1Snapshot& s);
};

Form1Snapshot snapshotOf(const Form1& form);

}  // namespace quimbo::test
