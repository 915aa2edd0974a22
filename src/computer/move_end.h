// What follows a placing move of the blocking or the random stage: a line of three announces the
// computer's round, a full board a draw, and every move short of a win is counted.
#pragma once

#include <cstdint>

#include "game/form1.h"

namespace quimbo {

// `entryCount` is the computer's move count as the stage read it when it started.
void endComputerMove(Form1& form, std::int64_t entryCount);

}  // namespace quimbo
