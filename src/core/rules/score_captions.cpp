// The eleven caption forms of each side and how a score advances.
#include "core/rules/score_captions.h"

#include <array>
#include <cassert>
#include <cstddef>

namespace quimbo {

namespace {

// Fifteen characters each, except 10, which keeps its leading blanks but ends in three.
const std::array<std::string, 11> kPlayerForms{
    "    Jug: 0     ", "    Jug: 1     ", "    Jug: 2     ", "    Jug: 3     ",
    "    Jug: 4     ", "    Jug: 5     ", "    Jug: 6     ", "    Jug: 7     ",
    "    Jug: 8     ", "    Jug: 9     ", "    Jug: 10   ",
};
const std::array<std::string, 11> kComputerForms{
    "     PC: 0     ", "     PC: 1     ", "     PC: 2     ", "     PC: 3     ",
    "     PC: 4     ", "     PC: 5     ", "     PC: 6     ", "     PC: 7     ",
    "     PC: 8     ", "     PC: 9     ", "     PC: 10   ",
};

// A round is worth at most 2 points, so only totals up to 8 can still advance.
constexpr int kHighestAdvancing = 8;

const std::array<std::string, 11>& formsOf(Side side) {
  return side == Side::Player ? kPlayerForms : kComputerForms;
}

}  // namespace

const std::string& scoreCaption(Side side, int points) {
  assert(points >= 0 && points <= 10);
  return formsOf(side)[static_cast<std::size_t>(points)];
}

std::string advancedScore(const std::string& caption, Side side, int points) {
  for (int shown = 0; shown <= kHighestAdvancing; ++shown) {
    if (caption == scoreCaption(side, shown)) return scoreCaption(side, shown + points);
  }
  return caption;
}

std::optional<int> pointsShown(const std::string& caption, Side side) {
  for (int shown = 0; shown <= 10; ++shown) {
    if (caption == scoreCaption(side, shown)) return shown;
  }
  return std::nullopt;
}

}  // namespace quimbo
