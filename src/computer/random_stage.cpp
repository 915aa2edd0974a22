// "Aleatorio", the last stage of the computer's move: it always places one piece, by preference
// or by chance.
#include "computer/computer_player.h"
#include "computer/move_end.h"
#include "computer/preferences.h"

namespace quimbo {

namespace {

// Puts the computer's next piece on `cell` if the cell is empty and a piece is in hand.
bool tryToPlace(Form1& form, int cell) {
  if (!isEmptyCell(form.panel, cell)) return false;
  const auto piece = firstPieceInHand(form.panel, Side::Matrix);
  if (!piece) return false;
  form.putPiece(*piece, cell, Side::Matrix);
  return true;
}

}  // namespace

void pressCommand1(Form1& form, Random& random) {
  using enum Field;
  StatePanel& panel = form.panel;
  const std::int64_t openings = panel.number(Text25);
  const std::int64_t movesMade = panel.number(Text26);

  const auto preferred = preferredCell(panel, openings, movesMade, random);
  if (!preferred || !tryToPlace(form, *preferred)) {
    // Chance must have somewhere to go, or the draws would never end; the round flow never gets
    // here with a full board or no piece in hand.
    if (isBoardFull(panel) || !firstPieceInHand(panel, Side::Matrix)) return;
    do {
      random.reseed();
    } while (!tryToPlace(form, drawCell(random)));
  }

  panel.setText(Text21, "");
  endComputerMove(form, movesMade);
}

}  // namespace quimbo
