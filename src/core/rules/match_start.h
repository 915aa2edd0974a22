// The start of a match and of each round: the computer's opening choice and piece, or the
// invitation to the player.
#pragma once

#include "core/model/form1.h"
#include "core/model/random.h"

namespace quimbo {

// The computer's opening cell: the centre with chance 5/7, each corner with chance 1/14, never an
// edge. The generator is reseeded before every coin.
int chooseOpeningCell(Random& random);

// The start button: clears the board and the score, and a coin decides who opens the first round.
// Ignored while the button is hidden.
void pressCommand5(Form1& form, Random& random);

// "Play": the computer chooses its opening cell and puts its piece there one second later.
void pressCommand4(Form1& form, Random& random);

// The player opens the round: "Comenzá vos", the first-reply marker, and the board opens.
void invitePlayerToOpen(Form1& form);

// Timer2's tick: the computer's opening piece goes down and the player may move.
void tickTimer2(Form1& form);

}  // namespace quimbo
