// The computer player, read top to bottom: the line table the first two stages share, attack
// ("Ataque"), defend ("Defensa"), then playByPreference ("Aleatorio") with its opening preferences
// and its fall-back to chance.
#include "core/computer/computer_player.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "core/model/board.h"
#include "core/model/board_state.h"
#include "core/model/clock.h"
#include "core/model/state_panel.h"

namespace quimbo {

namespace {

using enum Field;

// ---- The line table -----------------------------------------------------------------------------

// Two holding cells and the empty target cell of a line.
struct Pattern {
  std::array<int, 2> holding;
  int target;
};

// Line by line: top row, left column, bottom row, right column, the diagonal from the top left,
// the diagonal from the top right, middle row, middle column. Within a line the two end cells are
// targets first and the middle cell last.
constexpr std::array<Pattern, 24> kPatterns{{
    {{1, 2}, 3}, {{2, 3}, 1}, {{1, 3}, 2},  // top row
    {{1, 4}, 7}, {{4, 7}, 1}, {{1, 7}, 4},  // left column
    {{7, 8}, 9}, {{8, 9}, 7}, {{7, 9}, 8},  // bottom row
    {{6, 9}, 3}, {{3, 6}, 9}, {{3, 9}, 6},  // right column
    {{1, 5}, 9}, {{5, 9}, 1}, {{1, 9}, 5},  // diagonal from the top left
    {{5, 7}, 3}, {{3, 5}, 7}, {{3, 7}, 5},  // diagonal from the top right
    {{4, 5}, 6}, {{5, 6}, 4}, {{4, 6}, 5},  // middle row
    {{2, 5}, 8}, {{5, 8}, 2}, {{2, 8}, 5},  // middle column
}};

// The target of the first pattern whose holding cells both hold `side`'s mark and whose target is
// empty.
std::optional<int> firstOpenLine(const StatePanel& panel, Side side) {
  for (const Pattern& pattern : kPatterns) {
    const auto [first, second] = pattern.holding;
    if (holdsMark(panel, first, side) && holdsMark(panel, second, side) &&
        isEmptyCell(panel, pattern.target)) {
      return pattern.target;
    }
  }
  return std::nullopt;
}

// What follows a placing move of defend or playByPreference: a line of three announces the
// computer's round, a full board a draw, and every move short of a win is counted.
void endPlacingMove(MainWindowState& main, std::int64_t movesMade) {
  if (hasLine(main.panel, Side::Computer)) {
    main.announceComputerWin.enable();
    main.panel.setText(BoardLock, "1");
    return;
  }
  if (isBoardFull(main.panel)) {
    main.panel.setText(BoardLock, "1");
    main.announceDraw.enable();
  }
  main.panel.setNumber(ComputerMoves, movesMade + 1);
}

void defend(MainWindowState& main, Random& random);
void playByPreference(MainWindowState& main, Random& random);

}  // namespace

// ---- attack, "Ataque": complete a line of its own ----------------------------------------------

void attack(MainWindowState& main, Random& random) {
  StatePanel& panel = main.panel;
  main.computerMove.disable();
  panel.setText(AttackPlaced, "0");

  // While the player has just opened the round, the computer's first reply is left to the
  // opening preferences of playByPreference.
  if (panel.number(FirstReplyMarker) != 5) {
    const auto target = firstOpenLine(panel, Side::Computer);
    const auto piece = firstPieceInHand(panel, Side::Computer);
    if (target && piece) {
      main.putPiece(*piece, *target, Side::Computer);
      panel.setText(AttackPlaced, "1");
      // The line is complete: the round is the computer's, even if the board is now full.
      panel.setText(FirstReplyMarker, "");
      panel.setText(ComputerLine, "0");
      panel.setText(BoardLock, "1");
      main.announceComputerWin.enable();
      return;
    }
  }

  panel.setText(BoardLock, "0");  // the board opens for the player's next move
  defend(main, random);
}

namespace {

// ---- defend, "Defensa": block the player's line ------------------------------------------------

void defend(MainWindowState& main, Random& random) {
  StatePanel& panel = main.panel;
  panel.setText(DefencePlaced, "0");
  const std::int64_t movesMade = panel.number(ComputerMoves);

  const bool firstReply = panel.number(FirstReplyMarker) == 5;
  const auto target = firstReply ? std::nullopt : firstOpenLine(panel, Side::Player);
  const auto piece = firstPieceInHand(panel, Side::Computer);
  if (!target || !piece) {
    playByPreference(main, random);
    return;
  }

  // One block per move, even when the player threatens more than one line.
  main.putPiece(*piece, *target, Side::Computer);
  panel.setText(DefencePlaced, "1");
  panel.setText(FirstReplyMarker, "");
  endPlacingMove(main, movesMade);
}

// ---- playByPreference, "Aleatorio": opening preferences, then chance ---------------------------

// Group A, the player opened and the computer took the centre: two player cells that both share a
// line with one corner make that corner the target. In A1..A4 the two cells are the edges next to
// the corner, in A5..A12 an edge and a corner a knight's move apart.
struct TwoCellRule {
  std::array<int, 2> playerCells;
  int target;
};
constexpr std::array<TwoCellRule, 12> kGroupA{{
    {{4, 2}, 1}, {{2, 6}, 3}, {{6, 8}, 9}, {{8, 4}, 7},  // A1..A4
    {{4, 3}, 1}, {{4, 9}, 7}, {{2, 9}, 3}, {{2, 7}, 1},  // A5..A8
    {{6, 7}, 9}, {{6, 1}, 3}, {{8, 1}, 7}, {{8, 3}, 9},  // A9..A12
}};

// Group B, the computer opened in a corner: with the player in the centre it takes the opposite
// corner, with the centre still free it takes the centre.
struct CornerRule {
  int computerCorner;
  const char* centre;
  int target;
};
constexpr std::array<CornerRule, 8> kGroupB{{
    {1, "1", 9}, {3, "1", 7}, {7, "1", 3}, {9, "1", 1},  // B1..B4
    {1, "", 5},  {3, "", 5},  {7, "", 5},  {9, "", 5},   // B5..B8
}};

constexpr std::array<int, 4> kCorners{1, 3, 7, 9};

int drawEdge(Random& random) {
  int cell = drawCell(random);
  while (cell % 2 != 0) cell = drawCell(random);
  return cell;
}

// The cell the preferences choose, or none. `openings` is the opening counter (odd while the
// player opened the round), `movesMade` the computer's counted moves in the round. The edge draw
// for rule A13 takes numbers from chance whenever group A found nothing, whether A13 then applies
// or not. The target may be occupied: then the caller falls back to chance.
std::optional<int> preferredCell(const StatePanel& panel, std::int64_t openings,
                                 std::int64_t movesMade, Random& random) {
  const std::string& centre = panel.text(Cell5);
  const bool repliesToPlayersOpening = playerOpenedRound(openings) && movesMade == 1 && centre == "0";

  if (repliesToPlayersOpening) {
    for (const TwoCellRule& rule : kGroupA) {
      const auto [first, second] = rule.playerCells;
      if (holdsMark(panel, first, Side::Player) && holdsMark(panel, second, Side::Player)) {
        return rule.target;
      }
    }
  }

  const int edge = drawEdge(random);
  if (repliesToPlayersOpening) {  // A13: the player holds a corner
    for (int corner : kCorners) {
      if (holdsMark(panel, corner, Side::Player)) return edge;
    }
  }

  if (panel.number(FirstReplyMarker) == 5 && centre.empty()) return 5;  // C0

  if (computerOpenedRound(openings) && movesMade == 0) {
    for (const CornerRule& rule : kGroupB) {
      if (holdsMark(panel, rule.computerCorner, Side::Computer) && centre == rule.centre) {
        return rule.target;
      }
    }
  }

  if (isOccupiedCell(panel, 5)) {  // group C: the centre is taken
    for (int corner : kCorners) {
      if (isEmptyCell(panel, corner)) return corner;
    }
  }
  return std::nullopt;
}

// Puts the computer's next piece on `cell` if the cell is empty and a piece is in hand.
bool tryToPlace(MainWindowState& main, int cell) {
  if (!isEmptyCell(main.panel, cell)) return false;
  const auto piece = firstPieceInHand(main.panel, Side::Computer);
  if (!piece) return false;
  main.putPiece(*piece, cell, Side::Computer);
  return true;
}

void playByPreference(MainWindowState& main, Random& random) {
  StatePanel& panel = main.panel;
  const std::int64_t openings = panel.number(OpeningCounter);
  const std::int64_t movesMade = panel.number(ComputerMoves);

  const auto preferred = preferredCell(panel, openings, movesMade, random);
  if (!preferred || !tryToPlace(main, *preferred)) {
    // Chance must have somewhere to go, or the draws would never end; the round flow never gets
    // here with a full board or no piece in hand.
    if (isBoardFull(panel) || !firstPieceInHand(panel, Side::Computer)) return;
    do {
      random.reseed();
    } while (!tryToPlace(main, drawCell(random)));
  }

  panel.setText(FirstReplyMarker, "");
  endPlacingMove(main, movesMade);
}

}  // namespace

}  // namespace quimbo
