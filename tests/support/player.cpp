// Playing and judging.
#include "support/player.h"

#include <array>

#include "support/game_text.h"

namespace quimbo::test {

namespace {

using enum Field;

// Where each side's piece stands on each cell, in twips: the right column and the bottom row at
// 2260, and the player's pieces below the top row 10 twips higher than the computer's.
constexpr std::array<Point, 9> kComputerPlaces{{
    {360, 360}, {1320, 360}, {2260, 360}, {360, 1320}, {1320, 1320}, {2260, 1320},
    {360, 2260}, {1320, 2260}, {2260, 2260}}};
constexpr std::array<Point, 9> kPlayerPlaces{{
    {360, 360}, {1320, 360}, {2260, 360}, {360, 1310}, {1320, 1310}, {2260, 1310},
    {360, 2250}, {1320, 2250}, {2260, 2250}}};
constexpr int kWindowWidth = 3360;

std::string brokenPieces(const Form1& form, Side side) {
  const auto& places = side == Side::Matrix ? kComputerPlaces : kPlayerPlaces;
  const char mark = side == Side::Matrix ? '0' : '1';
  const std::string board = boardOf(form.panel);
  int marks = 0;
  for (char c : board) marks += c == mark;
  for (int k = 0; k < 5; ++k) {  // the k-th piece of the side
    const Point at = form.picture((side == Side::Matrix ? 1 : 6) + k);
    const std::string& flag = form.panel.text(static_cast<Field>((side == Side::Matrix ? 10 : 15) + k));
    if ((flag == "1") != (k < marks)) return std::string(1, mark) + " pieces not used in order";
    if (k >= marks) {
      if (at.left < kWindowWidth) return std::string(1, mark) + " piece in hand stands in sight";
      continue;
    }
    bool onAMark = false;
    for (int cell = 1; cell <= 9; ++cell) {
      onAMark |= places[static_cast<std::size_t>(cell - 1)] == at &&
                 board[static_cast<std::size_t>(cell - 1 + (cell - 1) / 3)] == mark;
    }
    if (!onAMark) return std::string(1, mark) + " piece off its mark";
  }
  return "";
}

}  // namespace

Input decodeInput(std::uint8_t kind, std::uint8_t value) {
  const std::size_t pick = kind % 40;
  const bool leaves = pick < kEveryInput.size() && kEveryInput[pick].action == Action::ChooseSalir;
  if (pick >= kEveryInput.size() || (leaves && value >= 8)) return Input::timePasses(value * 10);
  return kEveryInput[pick];
}

std::string describe(Input input) {
  return "input " + std::to_string(static_cast<int>(input.action)) + ":" + std::to_string(input.value);
}

std::string brokenInvariant(const Game& game) {
  const Form1& form = game.form1;
  for (Side side : {Side::Matrix, Side::Player}) {
    if (std::string broken = brokenPieces(form, side); !broken.empty()) return broken;
  }
  const int computer = pointsIn(form.mpc), player = pointsIn(form.mjug);
  if (computer < 0 || computer > 10 || player < 0 || player > 10) return "a score out of range";
  // Points come at the click on an announcement; the round is counted a second later.
  const bool scoredNotCounted = game.form2.timer1.isEnabled() || game.form3.timer1.isEnabled() ||
                                game.form5.timer1.isEnabled();
  const std::int64_t rounds = form.panel.number(Text22);
  if (!form.command5Visible && computer + player != 2 * (rounds + scoredNotCounted)) {
    return "the points do not add up to two a round";
  }
  if (game.form2.visible + game.form3.visible + game.form5.visible + game.form4.visible > 1) {
    return "more than one announcement shows";
  }
  return "";
}

std::string Player::judgeAnnouncement() {
  const std::string board = boardOf(game_.form1.panel);
  const auto line = lineOn(board);
  const char outcome = game_.form2.visible ? '1' : game_.form3.visible ? '0' : '=';
  if (outcome == '=' ? (line || !isFull(board)) : line != outcome) {
    return std::string("announced '") + outcome + "' on " + board;
  }
  const int player = pointsIn(game_.form1.mjug), computer = pointsIn(game_.form1.mpc);
  handle(game_, {outcome == '1' ? Action::AcknowledgePlayerWin
                 : outcome == '0' ? Action::AcknowledgeComputerWin
                                  : Action::AcknowledgeDraw});
  const int playerGains = outcome == '1' ? 2 : outcome == '=' ? 1 : 0;
  const int computerGains = outcome == '0' ? 2 : outcome == '=' ? 1 : 0;
  if (pointsIn(game_.form1.mjug) != player + playerGains ||
      pointsIn(game_.form1.mpc) != computer + computerGains) {
    return std::string("round '") + outcome + "' scored " + game_.form1.mpc + "|" + game_.form1.mjug;
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
  noteOpener();
  handle(game_, Input::timePasses(1000));
  noteOpener();
  if (complaint.empty()) complaint = brokenInvariant(game_);
  return complaint;
}

std::string Player::finishMatch() {
  if (game_.ended) return "";  // the player left: nothing happens any more
  for (int steps = 0; steps < 200 && !game_.form4.visible; ++steps) {
    if (std::string complaint = step(); !complaint.empty()) return complaint;
  }
  if (!game_.form4.visible) return "the match never reached its result";
  if (game_.form4.label2 != std::to_string(pointsIn(game_.form1.mpc)) ||
      game_.form4.label3 != std::to_string(pointsIn(game_.form1.mjug))) {
    return "the result shows " + game_.form4.label2 + "/" + game_.form4.label3;
  }
  return "";
}

void Player::noteOpener() {
  const std::string board = boardOf(game_.form1.panel);
  int marks = 0;
  char first = '.';
  for (char c : board) {
    if (c == '0' || c == '1') ++marks, first = c;
  }
  if (boardWasEmpty_ && marks == 1) openers += first;
  boardWasEmpty_ = marks == 0;
}

}  // namespace quimbo::test
