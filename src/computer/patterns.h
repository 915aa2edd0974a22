// The computer's line search: 24 patterns, each two holding cells and the empty target cell of a
// line. The winning stage looks for its own mark in the holding cells, the blocking stage for the
// player's; both go through the patterns in this one order.
#pragma once

#include <array>
#include <optional>

#include "game/state_panel.h"

namespace quimbo {

struct Pattern {
  std::array<int, 2> holding;
  int target;
};

// Line by line: top row, left column, bottom row, right column, the diagonal from the top left,
// the diagonal from the top right, middle row, middle column. Within a line the two end cells are
// targets first and the middle cell last.
inline constexpr std::array<Pattern, 24> kPatterns{{
    {{1, 2}, 3}, {{2, 3}, 1}, {{1, 3}, 2},  // top row
    {{1, 4}, 7}, {{4, 7}, 1}, {{1, 7}, 4},  // left column
    {{7, 8}, 9}, {{8, 9}, 7}, {{7, 9}, 8},  // bottom row
    {{6, 9}, 3}, {{3, 6}, 9}, {{3, 9}, 6},  // right column
    {{1, 5}, 9}, {{5, 9}, 1}, {{1, 9}, 5},  // diagonal from the top left
    {{5, 7}, 3}, {{3, 5}, 7}, {{3, 7}, 5},  // diagonal from the top right
    {{4, 5}, 6}, {{5, 6}, 4}, {{4, 6}, 5},  // middle row
    {{2, 5}, 8}, {{5, 8}, 2}, {{2, 8}, 5},  // middle column
}};

// The target of the first pattern whose holding cells both hold exactly `mark` and whose target
// holds exactly "".
std::optional<int> firstOpenPattern(const StatePanel& panel, const char* mark);

}  // namespace quimbo
