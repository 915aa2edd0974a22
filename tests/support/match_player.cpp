// Playing matches through the game's one door.
#include "support/match_player.h"

#include <vector>

namespace quimbo::test {

bool boardIsOpen(const Form1& form) {
  using enum Field;
  return !form.command5Visible && form.panel.text(Text27) != "1" && form.panel.text(Text28) != "0";
}

void MatchPlayer::step() {
  if (game_.form2.visible) {
    handle(game_, {Action::AcknowledgePlayerWin});
  } else if (game_.form3.visible) {
    handle(game_, {Action::AcknowledgeComputerWin});
  } else if (game_.form5.visible) {
    handle(game_, {Action::AcknowledgeDraw});
  } else if (boardIsOpen(game_.form1)) {
    std::vector<int> images;
    for (const CellPlaces& places : kCellPlaces) {
      if (game_.form1.panel.text(cellField(cellOfClickTarget(places.clickTarget))).empty()) {
        images.push_back(places.clickTarget);
      }
    }
    if (!images.empty()) handle(game_, Input::clickImage(images[choice_() % images.size()]));
  }
  noteOpener();
  handle(game_, Input::timePasses(1000));
  noteOpener();
}

bool MatchPlayer::playMatch(int maxSteps) {
  openers_.clear();
  boardWasEmpty_ = true;
  handle(game_, {Action::PressStart});
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
