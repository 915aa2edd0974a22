// Showing and acknowledging the match result.
#include "core/rules/match_result.h"

#include <initializer_list>
#include <optional>
#include <string>

#include "core/model/board.h"
#include "core/model/main_window_state.h"
#include "core/model/state_panel.h"
#include "core/model/windows.h"
#include "core/rules/score_captions.h"

namespace quimbo {

namespace {

std::string pointsLabel(const std::string& caption, Side side) {
  const auto points = pointsShown(caption, side);
  return points ? std::to_string(*points) : std::string();
}

}  // namespace

void showMatchResult(Game& game) {
  game.result.computerPoints = pointsLabel(game.mainWindow.computerScore, Side::Computer);
  game.result.playerPoints = pointsLabel(game.mainWindow.playerScore, Side::Player);
  game.result.visible = true;
}

void acknowledgeMatchResult(Game& game) {
  using enum Field;
  game.result.visible = false;
  MainWindowState& main = game.mainWindow;
  main.startButtonVisible = true;
  main.status.clear();
  main.panel.clear(Cell1, OpeningCell);
  for (Field counter : {RoundsPlayed, AttackPlaced, DefencePlaced}) main.panel.setText(counter, "0");
  main.panel.setText(OpeningCounter, "");
  main.panel.setText(ComputerMoves, "0");
  // The score captions keep the finished match's points until the next match starts.
}

}  // namespace quimbo
