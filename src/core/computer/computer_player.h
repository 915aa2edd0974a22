// The computer's move, in three chained stages behind three hidden buttons of the main window:
// "Ataque" completes a line of its own, "Defensa" blocks the player's, "Aleatorio" follows its
// opening preferences or chance. A stage that makes no move presses the next one, which runs to
// completion inside the press.
#pragma once

#include "core/model/form1.h"
#include "core/model/random.h"

namespace quimbo {

// Command3, "Ataque": pressed by Timer1's tick one second after the player's move.
void pressCommand3(Form1& form, Random& random);

}  // namespace quimbo
