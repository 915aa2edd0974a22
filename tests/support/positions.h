// Positions as they arise in play: a board written as a short string, with each side's pieces
// standing on its marks in order and their flags set, so that a test can start from any moment
// of a round.
#pragma once

#include <string_view>

#include "game/form1.h"

namespace quimbo::test {

// Sets the board, and puts the k-th piece of each side on its k-th mark (in cell order), with
// every other piece in hand and parked.
void setPosition(Form1& form, std::string_view board);

// The number of cells holding the side's mark, and of the side's flags that are "1".
int marksOf(const StatePanel& panel, Side side);
int piecesUsed(const StatePanel& panel, Side side);

}  // namespace quimbo::test
