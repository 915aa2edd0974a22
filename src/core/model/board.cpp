// Board geometry lookups.
#include "core/model/board.h"

#include <cassert>

namespace quimbo {

int cellOfClickTarget(int image) {
  for (int cell = 1; cell <= 9; ++cell) {
    if (kCellPlaces[static_cast<std::size_t>(cell - 1)].clickTarget == image) return cell;
  }
  assert(false && "there are nine click targets, Image1..Image9");
  return 0;
}

}  // namespace quimbo
