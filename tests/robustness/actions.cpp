// Performing actions and checking the invariants of the game.
#include "robustness/actions.h"

#include <array>

#include "game/match_start.h"
#include "game/menus.h"
#include "game/player_move.h"
#include "outcome/drawn_round.h"
#include "outcome/match_result.h"
#include "outcome/round_won.h"
#include "outcome/score_captions.h"
#include "support/match_player.h"

namespace quimbo::test {

namespace {

using enum Field;

// Each side's pieces: used in order, each used one on a cell with its mark, one per mark.
std::string brokenPieces(const Form1& form, Side side) {
  const std::string name = side == Side::Matrix ? "computer" : "player";
  std::string underPieces(9, '.');
  bool inHand = false;
  for (const PieceSlot& piece : piecesOf(side)) {
    const std::string& flag = form.panel.text(piece.flag);
    const Point at = form.picture(piece.picture);
    if (flag.empty()) {
      inHand = true;
      if (at.left < kOffBoardLeft) return name + " piece in hand stands on the board";
      continue;
    }
    if (flag != "1" || inHand) return name + " pieces not used in order";
    for (int cell = 1; cell <= 9; ++cell) {
      if (piecePlace(cell, side) == at) underPieces[static_cast<std::size_t>(cell - 1)] = '#';
    }
  }
  for (int cell = 1; cell <= 9; ++cell) {
    const bool marked = cellText(form.panel, cell) == markOf(side);
    if (marked != (underPieces[static_cast<std::size_t>(cell - 1)] == '#')) {
      return name + " mark and piece disagree on cell " + std::to_string(cell);
    }
  }
  return "";
}

}  // namespace

std::string Action::describe() const {
  const char* names[] = {"click Image", "press Jugar", "click the announcement", "choose Sobre",
                         "press Aceptar", "click the banner", "wait ms:"};
  return names[static_cast<int>(kind)] + (value ? std::to_string(value) : "");
}

Action decodeAction(std::uint8_t kind, std::uint8_t value) {
  // Cells and waiting come up most often, as they do in play.
  using enum ActionKind;
  static constexpr std::array<ActionKind, 16> kKinds{
      ClickCell,   ClickCell,   ClickCell,    ClickCell, ClickCell, ClickCell,
      PressStart,  Acknowledge, Acknowledge,  ChooseSobre, PressAceptar, ClickLink,
      Wait,        Wait,        Wait,         Wait};
  const ActionKind chosen = kKinds[kind % kKinds.size()];
  if (chosen == ActionKind::ClickCell) return {chosen, value % 9 + 1};
  if (chosen == ActionKind::Wait) return {chosen, value * 10};  // up to 2.55 s
  return {chosen, 0};
}

void perform(Game& game, const Action& action) {
  switch (action.kind) {
    case ActionKind::ClickCell: clickImage(game.form1, action.value); break;
    case ActionKind::PressStart: pressCommand5(game.form1, game.random); break;
    case ActionKind::Acknowledge:
      if (game.form2.visible) acknowledgeRoundWon(game, Side::Player);
      if (game.form3.visible) acknowledgeRoundWon(game, Side::Matrix);
      if (game.form5.visible) acknowledgeDraw(game);
      if (game.form4.visible) acknowledgeMatchResult(game);
      break;
    case ActionKind::ChooseSobre: chooseSobre(game); break;
    case ActionKind::PressAceptar: pressAceptar(game); break;
    case ActionKind::ClickLink: clickImage10(game); break;
    case ActionKind::Wait: game.clock.advance(action.value); break;
  }
}

std::string brokenInvariant(const Game& game) {
  const Form1& form = game.form1;
  for (Side side : {Side::Matrix, Side::Player}) {
    if (std::string broken = brokenPieces(form, side); !broken.empty()) return broken;
  }
  for (int cell = 1; cell <= 9; ++cell) {
    if (!isEmptyCell(form.panel, cell) && !isOccupiedCell(form.panel, cell)) {
      return "a cell holds junk";
    }
  }
  const auto computer = pointsShown(form.mpc, Side::Matrix);
  const auto player = pointsShown(form.mjug, Side::Player);
  if (!computer || !player) return "a score caption is not one of its forms";
  const std::int64_t rounds = form.panel.number(Text22);
  if (rounds < 0 || rounds > kRoundsPerMatch) return "rounds played: " + std::to_string(rounds);
  // During a match points come at the click on an announcement; the round is counted a second
  // later.
  const bool scoredNotCounted = game.form2.timer1.isEnabled() || game.form3.timer1.isEnabled() ||
                                game.form5.timer1.isEnabled();
  if (!form.command5Visible && *computer + *player != 2 * (rounds + scoredNotCounted)) {
    return "points do not add up to two a round";
  }
  if (game.form2.visible + game.form3.visible + game.form5.visible + game.form4.visible > 1) {
    return "more than one announcement on screen";
  }
  return "";
}

std::string finishMatchAndStartAnother(Game& game, std::uint64_t seed) {
  if (!game.form1.command5Visible) {  // a match is running
    MatchPlayer player(game, seed);
    for (int step = 0; step < 200 && !game.form4.visible; ++step) {
      player.step();
      if (std::string broken = brokenInvariant(game); !broken.empty()) return broken;
    }
    if (!game.form4.visible) return "the match never reached its result";
    acknowledgeMatchResult(game);
  }
  pressCommand5(game.form1, game.random);
  const bool started = game.form1.timer2.isEnabled() || game.form1.panel.text(Text27) == "0";
  if (game.form1.command5Visible || !started) return "a new match did not start";
  return "";
}

}  // namespace quimbo::test
