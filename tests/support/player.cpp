// Playing and judging.
#include "support/player.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <initializer_list>
#include <optional>
#include <set>
#include <utility>
#include <vector>

#include "core/game.h"
#include "support/game_text.h"

namespace quimbo::test {

namespace {

using enum Field;

// Where each side's piece stands on each cell, in twips: the right column and the bottom row at
// 2260, and the player's pieces below the top row 10 twips higher than the computer's.
constexpr int kColumns[] = {360, 1320, 2260}, kRows[] = {360, 1320, 2260},
              kPlayerRows[] = {360, 1310, 2250};

std::string brokenPieces(const MainWindowState& main, char mark) {
  const std::string board = boardOf(main.panel);
  std::multiset<std::pair<int, int>> expected, placed;  // left, top
  for (int cell = 1; cell <= 9; ++cell) {
    if (board[boardIndex(cell)] != mark) continue;
    const int column = (cell - 1) % 3, row = (cell - 1) / 3;
    expected.insert({kColumns[column], (mark == '0' ? kRows : kPlayerRows)[row]});
  }
  // The computer's five pieces come first, then the player's; each has its field on the board.
  const std::size_t first = mark == '0' ? 0 : 5;
  const int firstField = static_cast<int>(mark == '0' ? ComputerPieceOnBoard1 : PlayerPieceOnBoard1);
  for (std::size_t k = 0; k < 5; ++k) {
    const bool used = main.panel.text(static_cast<Field>(firstField + static_cast<int>(k))) == "1";
    if (used != (k < expected.size())) return std::string(1, mark) + " pieces not used in order";
    const Point at = main.pieces[first + k];
    if (used) placed.insert({at.left, at.top});
    if (!used && at.left < 3360) return std::string(1, mark) + " piece in hand in sight";
  }
  return placed == expected ? "" : std::string(1, mark) + " piece off its mark";
}

// Any two bytes make an input of kEveryInput, or a wait of up to 2.55 s. Leaving comes seldom, so
// that a sequence goes on.
Input decodeInput(std::uint8_t kind, std::uint8_t value) {
  const std::size_t pick = kind % 40;
  if (pick >= kEveryInput.size() ||
      (kEveryInput[pick].action == Action::Leave && value >= 8)) {
    return Input::timePasses(value * 10);
  }
  return kEveryInput[pick];
}

// What breaks the rules of the board now, or "": each side's pieces are used in order, each one
// on the board stands on a cell of its side's mark and each one in hand out of sight, the
// captions add up to two points a played round, and at most one announcement shows.
std::string brokenInvariant(const Game& game) {
  const MainWindowState& main = game.mainWindow;
  for (char mark : {'0', '1'}) {
    if (std::string broken = brokenPieces(main, mark); !broken.empty()) return broken;
  }
  // Points come at the click on an announcement; the round is counted a second later.
  const bool scoredNotCounted = game.playerWon.nextRound.isEnabled() ||
                                game.computerWon.nextRound.isEnabled() ||
                                game.draw.nextRound.isEnabled();
  const int points = pointsIn(main.computerScore) + pointsIn(main.playerScore);
  if (!main.startButtonVisible &&
      points != 2 * (main.panel.number(RoundsPlayed) + scoredNotCounted)) {
    return "the points do not add up to two a round";
  }
  if (game.playerWon.visible + game.computerWon.visible + game.draw.visible + game.result.visible >
      1) {
    return "more than one announcement shows";
  }
  return "";
}

}  // namespace

std::string Player::judgeAnnouncement() {
  const MainWindowState& main = game_.mainWindow;
  const std::string board = boardOf(main.panel);
  const char outcome = game_.playerWon.visible ? '1' : game_.computerWon.visible ? '0' : '=';
  if (outcome == '=' ? lineOn(board) || !isFull(board) : lineOn(board) != outcome) {
    return std::string("announced '") + outcome + "' on " + board;
  }
  if (outcome == '1') return "the player won on " + board;  // the computer never loses
  const int player = pointsIn(main.playerScore), computer = pointsIn(main.computerScore);
  handle(game_, {outcome == '0' ? Action::AcknowledgeComputerWin : Action::AcknowledgeDraw});
  // The winner gains two points, a draw one each.
  if (pointsIn(main.playerScore) != player + (outcome == '=') ||
      pointsIn(main.computerScore) != computer + (outcome == '0' ? 2 : 1)) {
    return std::string("round '") + outcome + "' scored " + main.computerScore + "|" +
           main.playerScore;
  }
  outcomes += outcome;
  return "";
}

std::string Player::step() {
  std::string complaint;
  const MainWindowState& main = game_.mainWindow;
  if (game_.playerWon.visible || game_.computerWon.visible || game_.draw.visible) {
    complaint = judgeAnnouncement();
  } else if (main.startButtonVisible) {
    handle(game_, {Action::PressStart});
  } else if (main.panel.text(BoardLock) != "1" && main.panel.text(ComputerLine) != "0") {
    std::vector<int> free;
    for (int cell = 1; cell <= 9; ++cell) {
      if (main.panel.text(cellField(cell)).empty()) free.push_back(cell);
    }
    if (!free.empty()) handle(game_, Input::clickCell(free[choice_() % free.size()]));
  }
  handle(game_, Input::timePasses(1000));
  return complaint.empty() ? brokenInvariant(game_) : complaint;
}

std::string Player::finishMatch() {
  for (int steps = 0; steps < 200 && !game_.result.visible && !game_.ended; ++steps) {
    if (std::string complaint = step(); !complaint.empty()) return complaint;
  }
  if (!game_.result.visible) return game_.ended ? "" : "the match never reached its result";
  const ResultWindowState& result = game_.result;
  if (result.computerPoints != std::to_string(pointsIn(game_.mainWindow.computerScore)) ||
      result.playerPoints != std::to_string(pointsIn(game_.mainWindow.playerScore))) {
    return "the result shows " + result.computerPoints + "/" + result.playerPoints;
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
