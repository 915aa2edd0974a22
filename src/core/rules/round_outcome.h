// The end of a round: its announcement, the score at the click on it, and a second later the
// next round, or the match result after the fifth.
#pragma once

#include "core/model/board.h"
#include "core/model/clock.h"
#include "core/model/game_state.h"
#include "core/model/windows.h"

namespace quimbo {

// A second after the deciding move, the main window's timer shows the window that announces the
// outcome.
void announceOutcome(Timer& timer, AnnouncementState& announcement);

// A click anywhere on "Ganador": the window closes, the winner gains two points, and the next round
// is prepared a second later.
void acknowledgeRoundWon(Game& game, Side winner);

// A click anywhere on "Empate": the window closes, each side gains a point, and the next round is
// prepared a second later.
void acknowledgeDraw(Game& game);

// The announcement's timer: the board is cleared and the round counted; then the next round opens,
// or after the fifth the match result shows. After a won round the computer's line is forgotten.
void prepareNextRound(Game& game, AnnouncementState& announcement);

}  // namespace quimbo
