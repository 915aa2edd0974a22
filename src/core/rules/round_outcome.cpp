// Announcing a round's outcome, scoring it, and preparing the next round.
#include "core/rules/round_outcome.h"

#include <cassert>
#include <cstdint>
#include <initializer_list>
#include <string>

#include "core/model/main_window_state.h"
#include "core/model/state_panel.h"
#include "core/rules/match_result.h"
#include "core/rules/match_start.h"
#include "core/rules/score_captions.h"

namespace quimbo {

namespace {

using enum Field;

constexpr int kPointsForAWin = 2;
constexpr int kPointsForADraw = 1;

// Closes the announcement and sets its timer for the next round.
void close(AnnouncementState& announcement) {
  announcement.visible = false;
  announcement.nextRound.enable();
}

}  // namespace

void announceOutcome(Timer& timer, AnnouncementState& announcement) {
  timer.disable();
  announcement.visible = true;
}

void acknowledgeRoundWon(Game& game, Side winner) {
  close(game.wonRound(winner));
  MainWindowState& main = game.mainWindow;
  std::string& score = winner == Side::Player ? main.playerScore : main.computerScore;
  score = advancedScore(score, winner, kPointsForAWin);
}

void acknowledgeDraw(Game& game) {
  close(game.draw);
  MainWindowState& main = game.mainWindow;
  main.playerScore = advancedScore(main.playerScore, Side::Player, kPointsForADraw);
  main.computerScore = advancedScore(main.computerScore, Side::Computer, kPointsForADraw);
}

void prepareNextRound(Game& game, AnnouncementState& announcement) {
  MainWindowState& main = game.mainWindow;
  announcement.nextRound.disable();
  main.panel.clear(Cell1, PlayerPieceOnBoard5);
  for (Field counter : {AttackPlaced, DefencePlaced, ComputerMoves}) main.panel.setText(counter, "0");
  main.parkPieces();
  // Only the computer's line shuts the board, and a drawn round leaves it as it was: open, since a
  // round with a line is never drawn.
  const bool roundWasWon = &announcement != &game.draw;
  assert(roundWasWon || main.panel.text(ComputerLine).empty());
  if (roundWasWon) main.panel.setText(ComputerLine, "");

  const std::int64_t roundsPlayed = main.panel.number(RoundsPlayed) + 1;
  main.panel.setNumber(RoundsPlayed, roundsPlayed);
  // After the fifth round no sixth one starts behind the result window.
  if (roundsPlayed == kRoundsPerMatch) {
    showMatchResult(game);
    return;
  }

  // The side that did not open the round just played opens the next one.
  const std::int64_t openings = main.panel.number(OpeningCounter);
  if (playerOpenedRound(openings)) {
    computerOpens(main, game.random);
  } else {
    invitePlayerToOpen(main);
  }
  main.panel.setNumber(OpeningCounter, openings + 1);
}

}  // namespace quimbo
