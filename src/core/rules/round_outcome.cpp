// Announcing a round's outcome, scoring it, and preparing the next round.
#include "core/rules/round_outcome.h"

#include "core/rules/match_result.h"
#include "core/rules/match_start.h"
#include "core/rules/score_captions.h"

namespace quimbo {

namespace {

using enum Field;

constexpr int kPointsForAWin = 2;
constexpr int kPointsForADraw = 1;

// Closes a shown announcement and sets its timer for the next round; false when it was closed.
bool close(TimedWindow& announcement) {
  if (!announcement.visible) return false;
  announcement.visible = false;
  announcement.timer1.enable();
  return true;
}

}  // namespace

void announceOutcome(Timer& timer, TimedWindow& window) {
  timer.disable();
  window.visible = true;
}

void acknowledgeRoundWon(Game& game, Side winner) {
  if (!close(game.roundWonWindow(winner))) return;
  std::string& score = winner == Side::Player ? game.form1.mjug : game.form1.mpc;
  score = advancedScore(score, winner, kPointsForAWin);
}

void acknowledgeDraw(Game& game) {
  if (!close(game.form5)) return;
  game.form1.mjug = advancedScore(game.form1.mjug, Side::Player, kPointsForADraw);
  game.form1.mpc = advancedScore(game.form1.mpc, Side::Matrix, kPointsForADraw);
}

void prepareNextRound(Game& game, TimedWindow& announcement) {
  Form1& form = game.form1;
  announcement.timer1.disable();
  form.panel.clear(Text1, Text19);
  for (Field counter : {Text23, Text24, Text26}) form.panel.setText(counter, "0");
  form.parkPieces();
  // Only the computer's line sets the line lock, and a drawn round leaves it as it was.
  const bool roundWasWon = &announcement != &game.form5;
  if (roundWasWon) form.panel.setText(Text28, "");

  const std::int64_t roundsPlayed = form.panel.number(Text22) + 1;
  form.panel.setNumber(Text22, roundsPlayed);
  // After the fifth round no sixth one starts behind the result window.
  if (roundsPlayed == kRoundsPerMatch) {
    showMatchResult(game);
    return;
  }

  // The side that did not open the round just played opens the next one.
  const std::int64_t openings = form.panel.number(Text25);
  if (playerOpenedRound(openings)) {
    pressCommand4(form, game.random);
  } else {
    invitePlayerToOpen(form);
  }
  form.panel.setNumber(Text25, openings + 1);
}

}  // namespace quimbo
