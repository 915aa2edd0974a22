// The preference rules of the random stage, in the order they are tried.
#include "computer/preferences.h"

#include <array>

#include "game/board_state.h"

namespace quimbo {

namespace {

using enum Field;

// Group A, the player opened and the computer took the centre: two player cells that both share a
// line with one free corner make that corner the target. In A1..A4 the two cells are the edges
// next to the corner, in A5..A12 an edge and a corner a knight's move apart.
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

}  // namespace

std::optional<int> preferredCell(const StatePanel& panel, std::int64_t openings,
                                 std::int64_t movesMade, Random& random) {
  const std::string& centre = panel.text(Text5);
  const bool repliesToPlayersOpening = playerOpenedRound(openings) && movesMade == 1 && centre == "0";

  if (repliesToPlayersOpening) {
    for (const TwoCellRule& rule : kGroupA) {
      const auto [first, second] = rule.playerCells;
      if (cellText(panel, first) == "1" && cellText(panel, second) == "1") return rule.target;
    }
  }

  const int edge = drawEdge(random);
  if (repliesToPlayersOpening) {  // A13: the player holds a corner
    for (int corner : kCorners) {
      if (cellText(panel, corner) == "1") return edge;
    }
  }

  if (panel.number(Text21) == 5 && centre.empty()) return 5;  // C0

  if (computerOpenedRound(openings) && movesMade == 0) {
    for (const CornerRule& rule : kGroupB) {
      if (cellText(panel, rule.computerCorner) == "0" && centre == rule.centre) return rule.target;
    }
  }

  if (centre == "1" || centre == "0") {  // group C
    for (int corner : kCorners) {
      if (isEmptyCell(panel, corner)) return corner;
    }
  }
  return std::nullopt;
}

}  // namespace quimbo
