// Playing and judging.
#include "support/player.h"

#include <set>
#include <vector>

#include "support/game_text.h"

namespace quimbo::test {

namespace {

using enum Field;

// Where each side's piece stands on each cell, in twips: the right column and the bottom row at
// 2260, and the player's pieces below the top row 10 twips higher than the computer's.
constexpr int kColumns[] = {360, 1320, 2260}, kRows[] = {360, 1320, 2260},
              kPlayerRows[] = {360, 1310, 2250};

std::string brokenPieces(const Form1& form, char mark) {
  const std::string board = boardOf(form.panel);
  std::multiset<std::pair<int, int>> expected, placed;  // left, top
  for (int cell = 1; cell <= 9; ++cell) {
    if (board[boardIndex(cell)] != mark) continue;
    const int column = (cell - 1) % 3, row = (cell - 1) / 3;
    expected.insert({kColumns[column], (mark == '0' ? kRows : kPlayerRows)[row]});
  }
  const int first = mark == '0' ? 1 : 6;
  for (int k = 0; k < 5; ++k) {
    const bool used = form.panel.text(static_cast<Field>(first + 9 + k)) == "1";
    if (used != (k < static_cast<int>(expected.size())))
      return std::string(1, mark) + " pieces not used in order";
    if (used) placed.insert({form.picture(first + k).left, form.picture(first + k).top});
    if (!used && form.picture(first + k).left < 3360)
      return std::string(1, mark) + " piece in hand in sight";
  }
  return placed == expected ? "" : std::string(1, mark) + " piece off its mark";
}

// Any two bytes make an input of kEveryInput, or a wait of up to 2.55 s. Leaving comes seldom, so
// that a sequence goes on.
Input decodeInput(std::uint8_t kind, std::uint8_t value) {
  const std::size_t pick = kind % 40;
  if (pick >= kEveryInput.size() ||
      (kEveryInput[pick].action == Action::ChooseSalir && value >= 8)) {
    return Input::timePasses(value * 10);
  }
  return kEveryInput[pick];
}

// What breaks the rules of the board now, or "": each side's pieces are used in order, each one
// on the board stands on a cell of its side's mark and each one in hand out of sight, the
// captions add up to two points a played round, and at most one announcement shows.
std::string brokenInvariant(const Game& game) {
  const Form1& form = game.form1;
  for (char mark : {'0', '1'}) {
    if (std::string broken = brokenPieces(form, mark); !broken.empty()) return broken;
  }
  // Points come at the click on an announcement; the round is counted a second later.
  const bool scoredNotCounted = game.form2.timer1.isEnabled() || game.form3.timer1.isEnabled() ||
                                game.form5.timer1.isEnabled();
  const int points = pointsIn(form.mpc) + pointsIn(form.mjug);
  if (!form.command5Visible && points != 2 * (form.panel.number(Text22) + scoredNotCounted)) {
    return "the points do not add up to two a round";
  }
  if (game.form2.visible + game.form3.visible + game.form5.visible + game.form4.visible > 1) {
    return "more than one announcement shows";
  }
  return "";
}

}  // namespace

std::string Player::judgeAnnouncement() {
  const std::string board = boardOf(game_.form1.panel);
  const char outcome = game_.form2.visible ? '1' : game_.form3.visible ? '0' : '=';
  if (outcome == '=' ? lineOn(board) || !isFull(board) : lineOn(board) != outcome) {
    return std::string("announced '") + outcome + "' on " + board;
  }
  const int player = pointsIn(game_.form1.mjug), computer = pointsIn(game_.form1.mpc);
  handle(game_, {outcome == '1'   ? Action::AcknowledgePlayerWin
                 : outcome == '0' ? Action::AcknowledgeComputerWin
                                  : Action::AcknowledgeDraw});
  // The winner gains two points, a draw one each; nine and ten stay as they are.
  const auto gained = [outcome](int points, char side) {
    return points > 8 ? points : points + (outcome == side ? 2 : outcome == '=');
  };
  if (pointsIn(game_.form1.mjug) != gained(player, '1') ||
      pointsIn(game_.form1.mpc) != gained(computer, '0')) {
    return std::string("round '") + outcome + "' scored " + game_.form1.mpc + "|" +
           game_.form1.mjug;
  }
  outcomes += outcome;
  return "";
}

std::string Player::step() {
  std::string complaint;
  const Form1& form = game_.form1;
  if (game_.form2.visible || game_.form3.visible || game_.form5.visible) {
    complaint = judgeAnnouncement();
  } else if (form.command5Visible) {
    handle(game_, {Action::PressStart});
  } else if (form.panel.text(Text27) != "1" && form.panel.text(Text28) != "0") {
    std::vector<int> free;
    for (int image = 1; image <= 9; ++image) {
      if (form.panel.text(cellField(cellOfClickTarget(image))).empty()) free.push_back(image);
    }
    if (!free.empty()) handle(game_, Input::clickImage(free[choice_() % free.size()]));
  }
  handle(game_, Input::timePasses(1000));
  return complaint.empty() ? brokenInvariant(game_) : complaint;
}

std::string Player::finishMatch() {
  for (int steps = 0; steps < 200 && !game_.form4.visible && !game_.ended; ++steps) {
    if (std::string complaint = step(); !complaint.empty()) return complaint;
  }
  if (!game_.form4.visible) return game_.ended ? "" : "the match never reached its result";
  if (game_.form4.label2 != std::to_string(pointsIn(game_.form1.mpc)) ||
      game_.form4.label3 != std::to_string(pointsIn(game_.form1.mjug))) {
    return "the result shows " + game_.form4.label2 + "/" + game_.form4.label3;
  }
  return "";
}

std::string playBytes(Game& game, std::span<const std::uint8_t> bytes, std::uint64_t seed) {
  for (std::size_t at = 0; at + 1 < bytes.size(); at += 2) {
    handle(game, decodeInput(bytes[at], bytes[at + 1]));
    if (std::string broken = brokenInvariant(game); !broken.empty()) return broken;
  }
  return Player(game, seed).finishMatch();
}

}  // namespace quimbo::test
