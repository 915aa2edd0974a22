// Playing matches through the handlers.
#include "support/match_player.h"

#include <vector>

#include "game/match_start.h"
#include "game/player_move.h"
#include "outcome/drawn_round.h"
#include "outcome/match_result.h"
#include "outcome/round_won.h"

namespace quimbo::test {

bool boardIsOpen(const Form1& form) {
  using enum Field;
  return !form.command5Visible && form.panel.text(Text27) != "1" && form.panel.text(Text28) != "0";
}

void MatchPlayer::step() {
  if (game_.form2.visible) {
    acknowledgeRoundWon(game_, Side::Player);
  } else if (game_.form3.visible) {
    acknowledgeRoundWon(game_, Side::Matrix);
  } else if (game_.form5.visible) {
    acknowledgeDraw(game_);
  } else if (boardIsOpen(game_.form1)) {
    std::vector<int> images;
    for (const CellPlaces& places : kCellPlaces) {
      if (game_.form1.panel.text(cellField(cellOfClickTarget(places.clickTarget))).empty()) {
        images.push_back(places.clickTarget);
      }
    }
    if (!images.empty()) clickImage(game_.form1, images[choice_() % images.size()]);
  }
  noteOpener();
  game_.clock.advance(1000);
  noteOpener();
}

bool MatchPlayer::playMatch(int maxSteps) {
  openers_.clear();
  boardWasEmpty_ = true;
  pressCommand5(game_.form1, game_.random);
  for (int steps = 0; steps < maxSteps && !game_.form4.visible; ++steps) step();
  return game_.form4.visible;
}

void MatchPlayer::noteOpener() {
  const StatePanel& panel = game_.form1.panel;
  int marks = 0;
  Side first = Side::Player;
  for (int cell = 1; cell <= 9; ++cell) {
    if (isOccupiedCell(panel, cell)) {
      ++marks;
      first = cellText(panel, cell) == "0" ? Side::Matrix : Side::Player;
    }
  }
  if (boardWasEmpty_ && marks == 1) openers_.push_back(first);
  boardWasEmpty_ = marks == 0;
}

}  // namespace quimbo::test
