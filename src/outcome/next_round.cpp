// Clearing the board and choosing who opens the next round.
#include "outcome/next_round.h"

#include "game/match_start.h"

namespace quimbo {

using enum Field;

void clearBoardForNextRound(Form1& form) {
  form.panel.clear(Text1, Text19);
  for (Field counter : {Text23, Text24, Text26}) form.panel.setText(counter, "0");
  form.parkPieces();
}

void openNextRound(Form1& form, Random& random) {
  const std::int64_t openings = form.panel.number(Text25);
  if (playerOpenedRound(openings)) {
    pressCommand4(form, random);
  } else {
    form.label1 = "Comenzá vos";
    form.panel.setText(Text21, "5");
    form.panel.setText(Text27, "0");
  }
  form.panel.setNumber(Text25, openings + 1);
}

}  // namespace quimbo
