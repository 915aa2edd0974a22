// The game at program start, with each timer tied to the handler its tick runs.
#include "game/game.h"

#include "computer/computer_player.h"
#include "game/match_start.h"
#include "info/splash.h"
#include "outcome/drawn_round.h"
#include "outcome/round_won.h"

namespace quimbo {

namespace {

// Timer3, Timer4 and Timer5: one second after the deciding move, the round's outcome is shown.
void announceOutcome(Timer& timer, TimedWindow& window) {
  timer.disable();
  window.visible = true;
}

}  // namespace

Game::Game(Random& random_, Platform& platform_)
    : random(random_),
      platform(platform_),
      form1(clock),
      form2(clock, kNextRoundDelay),
      form3(clock, kNextRoundDelay),
      form5(clock, kNextRoundDelay),
      form6(clock, kSplashTime) {
  form1.timer1.onTick([this] { pressCommand3(form1, random); });
  form1.timer2.onTick([this] { tickTimer2(form1); });
  form1.timer3.onTick([this] { announceOutcome(form1.timer3, form2); });
  form1.timer4.onTick([this] { announceOutcome(form1.timer4, form3); });
  form1.timer5.onTick([this] { announceOutcome(form1.timer5, form5); });
  form2.timer1.onTick([this] { prepareRoundAfterWin(*this, Side::Player); });
  form3.timer1.onTick([this] { prepareRoundAfterWin(*this, Side::Matrix); });
  form5.timer1.onTick([this] { prepareRoundAfterDraw(*this); });
  form6.timer1.onTick([this] { leaveSplash(*this); });
}

}  // namespace quimbo
