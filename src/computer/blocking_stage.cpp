// "Defensa", the second stage of the computer's move: block the player's line.
#include "computer/computer_player.h"
#include "computer/move_end.h"
#include "computer/patterns.h"

namespace quimbo {

void pressCommand2(Form1& form, Random& random) {
  using enum Field;
  StatePanel& panel = form.panel;
  panel.setText(Text24, "0");
  const std::int64_t entryCount = panel.number(Text26);

  if (panel.number(Text21) == 5) {
    pressCommand1(form, random);
    return;
  }
  const auto target = firstOpenPattern(panel, markOf(Side::Player));
  const auto piece = firstPieceInHand(panel, Side::Matrix);
  if (!target || !piece) {
    pressCommand1(form, random);
    return;
  }

  // One block per move, even when the player threatens more than one line.
  form.putPiece(*piece, *target, Side::Matrix);
  panel.setText(Text24, "1");
  panel.setText(Text21, "");
  endComputerMove(form, entryCount);
}

}  // namespace quimbo
