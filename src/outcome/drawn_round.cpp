// Acknowledging a drawn round and preparing the next one.
#include "outcome/drawn_round.h"

#include "outcome/match_result.h"
#include "outcome/next_round.h"
#include "outcome/score_captions.h"

namespace quimbo {

namespace {
constexpr int kPointsForADraw = 1;
}  // namespace

void acknowledgeDraw(Game& game) {
  if (!game.form5.visible) return;
  game.form5.visible = false;
  game.form1.mjug = advancedScore(game.form1.mjug, Side::Player, kPointsForADraw);
  game.form1.mpc = advancedScore(game.form1.mpc, Side::Matrix, kPointsForADraw);
  game.form5.timer1.enable();
}

void prepareRoundAfterDraw(Game& game) {
  using enum Field;
  Form1& form = game.form1;
  game.form5.timer1.disable();
  clearBoardForNextRound(form);

  const std::int64_t roundsPlayed = form.panel.number(Text22) + 1;
  form.panel.setNumber(Text22, roundsPlayed);
  if (roundsPlayed == kRoundsPerMatch) {
    showMatchResult(game);
    return;
  }
  openNextRound(form, game.random);
}

}  // namespace quimbo
