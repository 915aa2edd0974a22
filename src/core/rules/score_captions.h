// The score captions of the menu bar. The points of a match exist only as these texts.
#pragma once

#include <optional>
#include <string>

#include "core/model/board.h"

namespace quimbo {

// The caption showing `points` (0..10) for a side, e.g. "    Jug: 3     " or "     PC: 10   ".
const std::string& scoreCaption(Side side, int points);

// A score after winning `points`: the caption is compared with the forms for 0, 1, ..., 8 in that
// order, and the first equal one is replaced by the form for its number plus the points. Any other
// caption (9, 10 or an unknown text) stays as it is.
std::string advancedScore(const std::string& caption, Side side, int points);

// The number a caption shows, when it is one of the eleven forms of the side.
std::optional<int> pointsShown(const std::string& caption, Side side);

}  // namespace quimbo
