// "Ataque", the first stage of the computer's move: complete a line of its own.
#include "computer/computer_player.h"
#include "computer/patterns.h"

namespace quimbo {

void pressCommand3(Form1& form, Random& random) {
  using enum Field;
  StatePanel& panel = form.panel;
  form.timer1.disable();
  panel.setText(Text23, "0");

  // While the player has just opened the round, the computer's first reply is left to the
  // opening preferences of the random stage.
  if (panel.number(Text21) != 5) {
    const auto target = firstOpenPattern(panel, markOf(Side::Matrix));
    const auto piece = firstPieceInHand(panel, Side::Matrix);
    if (target && piece) {
      form.putPiece(*piece, *target, Side::Matrix);
      panel.setText(Text23, "1");
      // The line is complete: the round is the computer's, even if the board is now full.
      panel.setText(Text21, "");
      panel.setText(Text28, "0");
      panel.setText(Text27, "1");
      form.timer4.enable();
      return;
    }
  }

  panel.setText(Text27, "0");  // the board opens for the player's next move
  pressCommand2(form, random);
}

}  // namespace quimbo
