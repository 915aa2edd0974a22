// Match start, opening choice and opening piece.
#include "core/rules/match_start.h"

#include "core/rules/score_captions.h"

namespace quimbo {

namespace {

using enum Field;

int tossFreshCoin(Random& random) {
  random.reseed();
  return tossCoin(random);
}

// The computer opens: its opening cell, announced, its piece a second later.
void announceOpening(Form1& form, int cell) {
  form.panel.setNumber(Text20, cell);
  form.label1 = "Comienzo yo";
  form.timer2.enable();
}

}  // namespace

int chooseOpeningCell(Random& random) {
  while (true) {
    const int candidate = tossFreshCoin(random) == 0 ? 5 : drawCell(random);
    if (candidate % 2 == 1) return candidate;  // the centre or a corner; an edge is tossed again
  }
}

void pressCommand5(Form1& form, Random& random) {
  if (!form.command5Visible) return;
  StatePanel& panel = form.panel;
  panel.setText(Text27, "1");  // the board stays locked while the match starts
  form.command5Visible = false;
  form.mjug = scoreCaption(Side::Player, 0);
  form.mpc = scoreCaption(Side::Matrix, 0);
  panel.clear(Text1, Text20);
  panel.setText(Text26, "0");
  form.parkPieces();

  if (tossFreshCoin(random) == 0) {
    panel.setText(Text25, "0");
    announceOpening(form, chooseOpeningCell(random));
  } else {
    panel.setText(Text25, "1");
    invitePlayerToOpen(form);
  }
}

void pressCommand4(Form1& form, Random& random) {
  announceOpening(form, chooseOpeningCell(random));
}

void invitePlayerToOpen(Form1& form) {
  form.label1 = "Comenzá vos";
  form.panel.setText(Text21, "5");
  form.panel.setText(Text27, "0");
}

void tickTimer2(Form1& form) {
  form.timer2.disable();
  const std::int64_t cell = form.panel.number(Text20);
  if (cell >= 1 && cell <= 9)
    form.putPiece(kComputerPieces[0], static_cast<int>(cell), Side::Matrix);
  form.panel.setText(Text27, "0");
}

}  // namespace quimbo
