// Searching the pattern table.
#include "computer/patterns.h"

#include "game/board_state.h"

namespace quimbo {

std::optional<int> firstOpenPattern(const StatePanel& panel, const char* mark) {
  for (const Pattern& pattern : kPatterns) {
    if (cellText(panel, pattern.holding[0]) == mark &&
        cellText(panel, pattern.holding[1]) == mark && isEmptyCell(panel, pattern.target)) {
      return pattern.target;
    }
  }
  return std::nullopt;
}

}  // namespace quimbo
