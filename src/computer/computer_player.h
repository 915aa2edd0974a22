// The computer's move, in three chained stages behind three hidden buttons of the main window.
// A stage that makes no move presses the next one, which runs to completion inside the press.
#pragma once

#include "game/form1.h"
#include "game/random.h"

namespace quimbo {

// "Ataque": completes a line of the computer's own, which wins the round; otherwise opens the board
// for the player's next move and presses "Defensa".
void pressCommand3(Form1& form, Random& random);

// "Defensa": blocks the first line the player could complete; otherwise presses "Aleatorio".
void pressCommand2(Form1& form, Random& random);

// "Aleatorio": places one piece by the opening preferences or, failing them, on a random free cell.
void pressCommand1(Form1& form, Random& random);

}  // namespace quimbo
