// The end of a round: its announcement, the score at the click on it, and a second later the
// next round, or the match result after the fifth.
#pragma once

#include "core/game.h"

namespace quimbo {

// Timer3, Timer4 and Timer5 of the main window: one second after the deciding move, the window
// that announces the outcome is shown.
void announceOutcome(Timer& timer, TimedWindow& window);

// A click anywhere on Form2 or Form3, "Ganador": the window closes, the winner gains two points,
// and the next round is prepared a second later. Ignored while the window is closed.
void acknowledgeRoundWon(Game& game, Side winner);

// A click anywhere on Form5, "Empate": the window closes, each side gains a point, and the next
// round is prepared a second later. Ignored while the window is closed.
void acknowledgeDraw(Game& game);

// The announcement's Timer1: the board is cleared and the round counted; then the next round
// opens, or after the fifth the match result shows. After a won round the line lock goes too.
void prepareNextRound(Game& game, TimedWindow& announcement);

}  // namespace quimbo
