// The game at program start, with each timer tied to the rule its tick runs, and every input led
// to its rule.
#include "core/game.h"

#include <string>
#include <utility>

#include "core/computer/computer_player.h"
#include "core/model/board.h"
#include "core/model/clock.h"
#include "core/model/main_window_state.h"
#include "core/model/platform.h"
#include "core/model/random.h"
#include "core/model/windows.h"
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
      mainWindow(clock),
      playerWon(clock),
      computerWon(clock),
      draw(clock),
      splash(clock) {
  mainWindow.computerScore = scoreCaption(Side::Computer, 0);
  mainWindow.playerScore = scoreCaption(Side::Player, 0);
  mainWindow.computerMove.onTick([this] { attack(mainWindow, random); });
  mainWindow.openingPiece.onTick([this] { putOpeningPiece(mainWindow); });
  mainWindow.announcePlayerWin.onTick(
      [this] { announceOutcome(mainWindow.announcePlayerWin, playerWon); });
  mainWindow.announceComputerWin.onTick(
      [this] { announceOutcome(mainWindow.announceComputerWin, computerWon); });
  mainWindow.announceDraw.onTick([this] { announceOutcome(mainWindow.announceDraw, draw); });
  playerWon.nextRound.onTick([this] { prepareNextRound(*this, playerWon); });
  computerWon.nextRound.onTick([this] { prepareNextRound(*this, computerWon); });
  draw.nextRound.onTick([this] { prepareNextRound(*this, draw); });
  splash.timeUp.onTick([this] { leaveSplash(*this); });
  startProgram(*this);
}

namespace {

// Whether the window the input belongs to is on screen: the window whose control sends it, or for
// the desktop's word on the browser, the main window that owns the notice. Time always passes.
bool fromAShownWindow(const Game& game, Action action) {
  switch (action) {
    case Action::ClickCell:
    case Action::PressStart:
    case Action::ClickBanner:
    case Action::OpenCredits:
    case Action::Leave:
    case Action::BrowserFailed: return game.mainWindow.visible;
    case Action::CloseCredits: return game.credits.visible;
    case Action::AcknowledgePlayerWin: return game.playerWon.visible;
    case Action::AcknowledgeComputerWin: return game.computerWon.visible;
    case Action::AcknowledgeDraw: return game.draw.visible;
    case Action::AcknowledgeResult: return game.result.visible;
    case Action::DismissBrowserNotice: return game.browserNotice.visible;
    case Action::TimePasses: return true;
  }
  return true;
}

// Runs the input's rule; a click on the board tells why it was refused, if it was.
Refusal run(Game& game, Input input) {
  switch (input.action) {
    case Action::ClickCell: {
      const bool onTheBoard = input.value >= 1 && input.value <= 9;
      return playerMove(game.mainWindow, onTheBoard ? static_cast<int>(input.value) : 0);
    }
    case Action::PressStart: startMatch(game.mainWindow, game.random); break;
    case Action::ClickBanner: openPartnerSite(game); break;
    case Action::OpenCredits: openCredits(game); break;
    case Action::Leave: leave(game); break;
    case Action::CloseCredits: closeCredits(game); break;
    case Action::AcknowledgePlayerWin: acknowledgeRoundWon(game, Side::Player); break;
    case Action::AcknowledgeComputerWin: acknowledgeRoundWon(game, Side::Computer); break;
    case Action::AcknowledgeDraw: acknowledgeDraw(game); break;
    case Action::AcknowledgeResult: acknowledgeMatchResult(game); break;
    case Action::DismissBrowserNotice: dismissBrowserNotice(game); break;
    case Action::BrowserFailed: browserFailed(game); break;
    case Action::TimePasses: game.clock.advance(input.value); break;
  }
  return Refusal::None;
}

}  // namespace

void handle(Game& game, Input input) {
  if (game.ended || !fromAShownWindow(game, input.action)) return;
  const Scene before = sceneOf(game.mainWindow);
  const Refusal refusal = run(game, input);
  // A refused click changes nothing on the board, so its news is why: a screen reader hears it.
  std::string news =
      refusal == Refusal::None ? newsBetween(before, game.mainWindow) : spokenRefusal(refusal);
  if (!news.empty()) game.news = {std::move(news), game.news.number + 1};
}

}  // namespace quimbo
