// The game at program start, with each timer tied to the handler its tick runs, and every input
// led to its handler.
#include "core/game.h"

#include "core/computer/computer_player.h"
#include "core/rules/match_result.h"
#include "core/rules/match_start.h"
#include "core/rules/menus.h"
#include "core/rules/player_move.h"
#include "core/rules/round_outcome.h"
#include "core/rules/score_captions.h"
#include "core/rules/splash.h"
#include "core/rules/spoken.h"

namespace quimbo {

Game::Game(Random& random_, Platform& platform_)
    : random(random_),
      platform(platform_),
      form1(clock),
      form2(clock, kNextRoundDelay),
      form3(clock, kNextRoundDelay),
      form5(clock, kNextRoundDelay),
      form6(clock, kSplashTime) {
  form1.mpc = scoreCaption(Side::Matrix, 0);
  form1.mjug = scoreCaption(Side::Player, 0);
  form1.timer1.onTick([this] { pressCommand3(form1, random); });
  form1.timer2.onTick([this] { tickTimer2(form1); });
  form1.timer3.onTick([this] { announceOutcome(form1.timer3, form2); });
  form1.timer4.onTick([this] { announceOutcome(form1.timer4, form3); });
  form1.timer5.onTick([this] { announceOutcome(form1.timer5, form5); });
  form2.timer1.onTick([this] { prepareNextRound(*this, form2); });
  form3.timer1.onTick([this] { prepareNextRound(*this, form3); });
  form5.timer1.onTick([this] { prepareNextRound(*this, form5); });
  form6.timer1.onTick([this] { leaveSplash(*this); });
  startProgram(*this);
}

namespace {

void run(Game& game, Input input) {
  switch (input.action) {
    case Action::ClickCell: clickImage(game.form1, static_cast<int>(input.value)); break;
    case Action::PressStart: pressCommand5(game.form1, game.random); break;
    case Action::ClickBanner: clickImage10(game); break;
    case Action::ChooseSobre: chooseSobre(game); break;
    case Action::ChooseSalir: chooseSalir(game); break;
    case Action::PressAceptar: pressAceptar(game); break;
    case Action::AcknowledgePlayerWin: acknowledgeRoundWon(game, Side::Player); break;
    case Action::AcknowledgeComputerWin: acknowledgeRoundWon(game, Side::Matrix); break;
    case Action::AcknowledgeDraw: acknowledgeDraw(game); break;
    case Action::AcknowledgeResult: acknowledgeMatchResult(game); break;
    case Action::DismissBrowserNotice: dismissBrowserNotice(game); break;
    case Action::BrowserFailed: browserFailed(game); break;
    case Action::TimePasses: game.clock.advance(input.value); break;
  }
}

}  // namespace

void handle(Game& game, Input input) {
  if (game.ended) return;
  const Scene before = sceneOf(game.form1);
  const bool onTheBoard = input.action == Action::ClickCell && input.value >= 1 && input.value <= 9;
  const std::string refusal =
      onTheBoard ? cellHint(game.form1, cellOfClickTarget(static_cast<int>(input.value))) : "";
  run(game, input);
  std::string news = newsBetween(before, game.form1);
  if (!refusal.empty()) news = refusal;  // a screen reader hears why the click did nothing
  if (!news.empty()) {
    game.news = {std::move(news), game.news.number + 1};
  }
}

}  // namespace quimbo
