// Performing actions and checking the invariants of the game.
#include "robustness/actions.h"

#include <array>
#include <sstream>

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

constexpr std::array<ActionKind, 7> kKinds{
    ActionKind::ClickCell,   ActionKind::PressStart,   ActionKind::Acknowledge,
    ActionKind::ChooseSobre, ActionKind::PressAceptar, ActionKind::ClickLink,
    ActionKind::Wait,
};

// Where each side's pieces stand, checked against the cells.
std::string brokenPieces(const Form1& form, Side side) {
  const char* mark = markOf(side);
  const char* name = side == Side::Matrix ? "computer" : "player";
  int used = 0;
  bool inHand = false;
  std::array<bool, 10> covered{};
  for (const PieceSlot& piece : piecesOf(side)) {
    const std::string& flag = form.panel.text(piece.flag);
    const Point at = form.picture(piece.picture);
    if (flag.empty()) {
      inHand = true;
      if (at.left < kOffBoardLeft) return std::string(name) + " piece in hand stands on the board";
      continue;
    }
    if (flag != "1") return std::string(name) + " piece flag holds '" + flag + "'";
    if (inHand) return std::string(name) + " pieces used out of order";
    ++used;
    int cell = 0;
    for (int c = 1; c <= 9; ++c) {
      if (piecePlace(c, side) == at) cell = c;
    }
    if (cell == 0) return std::string(name) + " piece on the board stands on no cell";
    if (cellText(form.panel, cell) != mark) return std::string(name) + " piece on a cell without its mark";
    if (covered[static_cast<std::size_t>(cell)]) return std::string(name) + " pieces share a cell";
    covered[static_cast<std::size_t>(cell)] = true;
  }
  int marks = 0;
  for (int cell = 1; cell <= 9; ++cell) marks += cellText(form.panel, cell) == mark;
  if (marks != used) return std::string(name) + " marks without pieces";
  return "";
}

}  // namespace

std::string Action::describe() const {
  switch (kind) {
    case ActionKind::ClickCell: return "click Image" + std::to_string(value);
    case ActionKind::PressStart: return "press Jugar";
    case ActionKind::Acknowledge: return "click the announcement";
    case ActionKind::ChooseSobre: return "choose Sobre";
    case ActionKind::PressAceptar: return "press Aceptar";
    case ActionKind::ClickLink: return "click the banner";
    case ActionKind::Wait: return "wait " + std::to_string(value) + " ms";
  }
  return "?";
}

Action decodeAction(std::uint8_t kind, std::uint8_t value) {
  // Cells and waiting come up most often, as they do in play.
  static constexpr std::array<int, 16> kWeights{0, 0, 0, 0, 0, 0, 1, 2, 2, 3, 4, 5, 6, 6, 6, 6};
  const ActionKind chosen = kKinds[static_cast<std::size_t>(kWeights[kind % kWeights.size()])];
  switch (chosen) {
    case ActionKind::ClickCell: return {chosen, value % 9 + 1};
    case ActionKind::Wait: return {chosen, value * 10};  // up to 2.55 s
    default: return {chosen, 0};
  }
}

void perform(Game& game, const Action& action) {
  switch (action.kind) {
    case ActionKind::ClickCell:
      clickImage(game.form1, action.value);
      break;
    case ActionKind::PressStart:
      if (game.form1.command5Visible) pressCommand5(game.form1, game.random);
      break;
    case ActionKind::Acknowledge:
      if (game.form2.visible) acknowledgeRoundWon(game, Side::Player);
      else if (game.form3.visible) acknowledgeRoundWon(game, Side::Matrix);
      else if (game.form5.visible) acknowledgeDraw(game);
      else if (game.form4.visible) acknowledgeMatchResult(game);
      break;
    case ActionKind::ChooseSobre:
      chooseSobre(game);
      break;
    case ActionKind::PressAceptar:
      if (game.form7.visible) pressAceptar(game);
      break;
    case ActionKind::ClickLink:
      clickImage10(game);
      break;
    case ActionKind::Wait:
      game.clock.advance(action.value);
      break;
  }
}

std::string brokenInvariant(const Game& game) {
  const Form1& form = game.form1;
  for (int cell = 1; cell <= 9; ++cell) {
    const std::string& text = cellText(form.panel, cell);
    if (!text.empty() && text != "0" && text != "1") return "a cell holds '" + text + "'";
  }
  for (Side side : {Side::Matrix, Side::Player}) {
    if (std::string broken = brokenPieces(form, side); !broken.empty()) return broken;
  }

  const auto computer = pointsShown(form.mpc, Side::Matrix);
  const auto player = pointsShown(form.mjug, Side::Player);
  if (!computer || !player) return "a score caption is not one of its forms";
  const std::int64_t rounds = form.panel.number(Text22);
  if (rounds < 0 || rounds > kRoundsPerMatch) return "rounds played: " + std::to_string(rounds);
  if (!form.command5Visible) {
    // Points are added at the click; the round is counted a second later.
    const bool roundScoredNotCounted =
        game.form2.timer1.isEnabled() || game.form3.timer1.isEnabled() || game.form5.timer1.isEnabled();
    const std::int64_t scored = rounds + (roundScoredNotCounted ? 1 : 0);
    if (*computer + *player != 2 * scored) {
      std::ostringstream out;
      out << "points " << *computer << " + " << *player << " after " << scored << " rounds";
      return out.str();
    }
  }

  const int announcements = game.form2.visible + game.form3.visible + game.form5.visible + game.form4.visible;
  if (announcements > 1) return "more than one announcement on screen";
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
    if (!game.form1.command5Visible) return "no start button after the result";
  }
  pressCommand5(game.form1, game.random);
  const bool opening = game.form1.timer2.isEnabled() && game.form1.label1 == "Comienzo yo";
  const bool playersTurn = game.form1.panel.text(Text27) == "0" && game.form1.label1 == "Comenzá vos";
  if (game.form1.command5Visible || !(opening || playersTurn)) return "a new match did not start";
  return "";
}

}  // namespace quimbo::test
