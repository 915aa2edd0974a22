// Performing actions and checking the invariants of the game.
#include "robustness/actions.h"

#include <array>

#include "core/rules/match_result.h"
#include "core/rules/score_captions.h"
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

Input decodeInput(std::uint8_t kind, std::uint8_t value) {
  const std::size_t pick = kind % 40;
  if (pick >= kEveryInput.size()) return Input::timePasses(value * 10);
  const Input input = kEveryInput[pick];
  if (input.action == Action::ChooseSalir && value >= 8) return Input::timePasses(value * 10);
  return input;
}

std::string describe(Input input) {
  const char* names[] = {"click Image",  "press Jugar", "click the banner", "choose Sobre",
                         "choose Salir", "press Aceptar", "acknowledge Form2", "acknowledge Form3",
                         "acknowledge Form5", "acknowledge Form4", "dismiss the notice",
                         "the browser failed", "wait ms:"};
  return names[static_cast<int>(input.action)] + (input.value ? std::to_string(input.value) : "");
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
  if (game.ended) return "";  // the player left: nothing happens any more
  if (!game.form1.command5Visible) {  // a match is running
    MatchPlayer player(game, seed);
    for (int step = 0; step < 200 && !game.form4.visible; ++step) {
      player.step();
      if (std::string broken = brokenInvariant(game); !broken.empty()) return broken;
    }
    if (!game.form4.visible) return "the match never reached its result";
    handle(game, {Action::AcknowledgeResult});
  }
  handle(game, {Action::PressStart});
  const bool started = game.form1.timer2.isEnabled() || game.form1.panel.text(Text27) == "0";
  if (game.form1.command5Visible || !started) return "a new match did not start";
  return "";
}

}  // namespace quimbo::test
