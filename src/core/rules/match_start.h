// The start of a match and of each round: the computer's opening choice and piece, or the
// invitation to the player.
#pragma once

#include "core/model/main_window_state.h"
#include "core/model/random.h"

namespace quimbo {

// The computer's opening cell: the centre with chance 5/7, each corner with chance 1/14, never an
// edge. The generator is reseeded before every coin.
int chooseOpeningCell(Random& random);

// "Jugar": clears the board and the score, and a coin decides who opens the first round. Ignored
// while the button is hidden.
void startMatch(MainWindowState& main, Random& random);

// The computer opens the round: it chooses its opening cell and puts its piece there a second later.
void computerOpens(MainWindowState& main, Random& random);

// The player opens the round: "Comenzá vos", the first-reply marker, and the board opens.
void invitePlayerToOpen(MainWindowState& main);

// A second after the computer chose it, its opening piece goes down and the player may move.
void putOpeningPiece(MainWindowState& main);

}  // namespace quimbo
