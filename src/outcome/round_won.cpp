// Acknowledging a won round and preparing the next one.
#include "outcome/round_won.h"

#include "outcome/match_result.h"
#include "outcome/next_round.h"
#include "outcome/score_captions.h"

namespace quimbo {

namespace {
constexpr int kPointsForAWin = 2;
}  // namespace

void acknowledgeRoundWon(Game& game, Side winner) {
  TimedWindow& window = game.roundWonWindow(winner);
  if (!window.visible) return;
  window.visible = false;
  std::string& score = winner == Side::Player ? game.form1.mjug : game.form1.mpc;
  score = advancedScore(score, winner, kPointsForAWin);
  window.timer1.enable();
}

void prepareRoundAfterWin(Game& game, Side winner) {
  using enum Field;
  Form1& form = game.form1;
  game.roundWonWindow(winner).timer1.disable();

  const std::int64_t roundsPlayed = form.panel.number(Text22) + 1;
  form.panel.setNumber(Text22, roundsPlayed);
  const bool matchOver = roundsPlayed == kRoundsPerMatch;
  if (matchOver) showMatchResult(game);

  clearBoardForNextRound(form);
  form.panel.setText(Text28, "");  // the computer's line no longer locks the board
  // After the fifth round no sixth one starts behind the result window.
  if (!matchOver) openNextRound(form, game.random);
}

}  // namespace quimbo
