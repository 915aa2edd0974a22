// The computer's move in situations written as boards: which stage moves, where, with which piece,
// and what follows; then a property over thousands of rounds of legal play.
#include <gtest/gtest.h>

#include <random>
#include <set>
#include <vector>

#include "core/computer/computer_player.h"
#include "core/rules/player_move.h"
#include "support/game_text.h"
#include "support/scripted_random.h"

namespace quimbo::test {
namespace {

using enum Field;

enum class Ends { Open, Win, Draw, NoMove };

struct Situation {
  const char* name;
  const char* board;
  const char* after;
  Ends ends;
  int r = 0, m = 0;          // the opening counter and the computer's counted moves
  const char* marker = "";   // the first-reply marker
  std::vector<int> draws{};  // the cells chance gives, in order
  int reseeds = 0;
};

void PrintTo(const Situation& s, std::ostream* out) { *out << s.name; }

class Computer : public testing::TestWithParam<Situation> {};

TEST_P(Computer, Moves) {
  const Situation& s = GetParam();
  Clock clock;
  Form1 form(clock);
  ScriptedRandom random;
  form.timer1.onTick([&] { pressCommand3(form, random); });
  setPosition(form, s.board);
  form.command5Visible = false;
  form.panel.setNumber(Text25, s.r);
  form.panel.setNumber(Text26, s.m);
  form.panel.setText(Text21, s.marker);
  form.panel.setText(Text27, "1");
  for (int cell : s.draws) random.cells({cell});
  const int piecesBefore = static_cast<int>(std::count(s.board, s.board + 11, '0'));

  form.timer1.enable();
  clock.advance(1000);

  EXPECT_EQ(boardOf(form.panel), s.after);
  EXPECT_TRUE(random.exhausted()) << "every scripted draw is used";
  EXPECT_EQ(random.reseeds(), s.reseeds);
  EXPECT_FALSE(form.timer1.isEnabled());
  const char* timers = s.ends == Ends::Win ? "...1." : s.ends == Ends::Draw ? "....1" : ".....";
  EXPECT_EQ(enabledTimers(form), timers);
  const bool counted = s.ends == Ends::Open || s.ends == Ends::Draw;
  EXPECT_EQ(form.panel.number(Text26), s.m + (counted ? 1 : 0));
  if (s.ends != Ends::Win) {
    EXPECT_EQ(form.panel.text(Text27), s.ends == Ends::Draw ? "1" : "0");
  }
  if (s.ends == Ends::NoMove) return;
  EXPECT_EQ(form.panel.text(Text21), "");
  // The lowest piece in hand went to the new cell.
  const int cell = changedCell(s.board, boardOf(form.panel));
  EXPECT_EQ(form.picture(piecesBefore + 1), piecePlace(cell, Side::Matrix));
}

// One situation a line.
// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Situations, Computer,
    testing::Values(
        // Ataque: the computer's own line, top row before left column, diagonal before middle row.
        Situation{"TopRowBeforeLeftColumn", "00. 01. .11", "000 01. .11", Ends::Win, 1, 2},
        Situation{"DiagonalBeforeMiddleRow", ".1. 00. 1.0", "01. 00. 1.0", Ends::Win, 0, 2},
        Situation{"WinningTheLastCellIsAWinNotADraw", "011 100 01.", "011 100 010", Ends::Win, 0, 3},
        Situation{"TheMarkerHandsOverEvenWithALineOpen", "00. ..1 ...", "00. .01 ...", Ends::Open, 1, 0, "5", {4}},
        Situation{"AFullBoardStillHandsOverAndEnds", "011 100 010", "011 100 010", Ends::NoMove, 0, 3, "", {2}},
        // Defensa: the player's line, holding cells "1".
        Situation{"BlocksAndCounts", "11. ... ...", "110 ... ...", Ends::Open},
        Situation{"AnOwnBlockedLineFallsToTheBlock", "001 0.. 1..", "001 00. 1..", Ends::Open, 1, 2},
        Situation{"OfThreeThreatsTheTopRowFirst", "1.1 ... 001", "101 ... 001", Ends::Open, 1, 2},
        Situation{"ABlockedThreatIsPassedOver", "110 1.. .0.", "110 1.. 00.", Ends::Open, 1, 2},
        Situation{"ABlockThatFillsTheBoardIsADraw", "101 100 .10", "101 100 010", Ends::Draw, 0, 3},
        // Aleatorio: the opening preferences.
        Situation{"C0_TheCentreAfterAPlayerOpening", "1.. ... ...", "1.. .0. ...", Ends::Open, 1, 0, "5", {2}},
        Situation{"C_ACornerAfterACentreOpening", "... .1. ...", "0.. .1. ...", Ends::Open, 1, 0, "5", {4}},
        Situation{"A1_TwoEdgesBesideACorner", ".1. 10. ...", "01. 10. ...", Ends::Open, 1, 1},
        Situation{"A5_EdgeAndCornerAKnightsMoveApart", "..1 10. ...", "0.1 10. ...", Ends::Open, 3, 1},
        Situation{"A12_LowerEdgeUpperCorner", "..1 .0. .1.", "..1 .0. .10", Ends::Open, 5, 1},
        Situation{"A_NotOnTheFirstMove", ".1. .01 ...", "01. .01 ...", Ends::Open, 1, 0, "", {2}},
        Situation{"A_NotWhenTheComputerOpened", ".1. .01 ...", "01. .01 ...", Ends::Open, 2, 1, "", {2}},
        Situation{"A13_TheEdgeDrawSkipsCornersAndCentre", "1.. .0. ..1", "1.. .0. .01", Ends::Open, 1, 1, "", {1, 5, 9, 8}},
        Situation{"B2_OppositeCornerToACentrePlayer", "..0 .1. ...", "..0 .1. 0..", Ends::Open, 0, 0, "", {2}},
        Situation{"B6_TheCentreWhileFree", "..0 ... .1.", "..0 .0. .1.", Ends::Open, 4, 0, "", {2}},
        Situation{"B_NotOnALaterMove", "0.. .1. ...", "0.0 .1. ...", Ends::Open, 0, 1, "", {2}},
        Situation{"C_WhateverRAndM", "1.. .1. ...", "1.0 .1. ...", Ends::Open, 6, 4, "5", {2}},
        // Aleatorio: chance, reseeded before every draw.
        Situation{"AnOccupiedTargetGoesToChance", "11. .0. ...", "11. .0. 0..", Ends::Open, 1, 1, "5", {2, 2, 5, 7}, 3},
        Situation{"ChanceFindsTheOnlyEmptyCell", "101 10. 010", "101 100 010", Ends::Draw, 6, 3, "", {2, 1, 3, 5, 7, 9, 2, 6}, 7}),
    [](const testing::TestParamInfo<Situation>& info) { return std::string(info.param.name); });
// clang-format on

TEST(ComputerChance, ReseedingOverAndOverStillReachesEveryCellQuickly) {
  SystemRandom random;
  std::set<int> cells;
  std::set<double> draws;
  for (int i = 0; i < 200; ++i) {
    random.reseed();
    const double r = random.next();
    draws.insert(r);
    cells.insert(static_cast<int>(r * 9) + 1);
  }
  EXPECT_EQ(cells.size(), 9u);
  EXPECT_GT(draws.size(), 190u) << "reseeds within one microsecond must not repeat the draw";
}

TEST(ComputerInPlay, WinsWhenItCanWritesOnlyEmptyCellsAndPlacesOnePiecePerMove) {
  for (std::uint64_t seed = 1; seed <= 3000; ++seed) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    SeededRandom chance(seed);
    std::mt19937_64 choice(seed);
    Clock clock;
    Form1 form(clock);
    form.timer1.onTick([&] { pressCommand3(form, chance); });
    form.command5Visible = false;
    form.panel.setText(Text27, "0");
    if (choice() % 2) {  // the player opens, or the computer has opened on a corner or the centre
      form.panel.setNumber(Text25, 1);
      form.panel.setText(Text21, "5");
    } else {
      form.putPiece(kComputerPieces[0], static_cast<int>(choice() % 5) * 2 + 1, Side::Matrix);
    }
    while (!form.timer3.isEnabled() && !form.timer4.isEnabled() && !form.timer5.isEnabled()) {
      std::vector<int> empty;
      for (int cell = 1; cell <= 9; ++cell) {
        if (isEmptyCell(form.panel, cell)) empty.push_back(cell);
      }
      const int cell = empty[choice() % empty.size()];
      clickImage(form, kCellPlaces[static_cast<std::size_t>(cell - 1)].clickTarget);
      if (!form.timer1.isEnabled()) break;
      const std::string before = boardOf(form.panel);
      bool canWin = false;  // two of the computer's marks and an empty cell in a line
      for (const Line& line : kLines) {
        int marks = 0, empty = 0;
        for (int cell : line) {
          marks += cellText(form.panel, cell) == "0";
          empty += cellText(form.panel, cell).empty();
        }
        canWin = canWin || (marks == 2 && empty == 1);
      }
      canWin = canWin && form.panel.number(Text21) != 5;
      clock.advance(1000);
      const std::string after = boardOf(form.panel);
      int placed = 0;
      for (std::size_t i = 0; i < after.size(); ++i) {
        if (before[i] == after[i]) continue;
        ASSERT_TRUE(before[i] == '.' && after[i] == '0') << before << " -> " << after;
        ++placed;
      }
      ASSERT_EQ(placed, 1) << before << " -> " << after;
      ASSERT_TRUE(!canWin || form.timer4.isEnabled()) << before << " -> " << after;
    }
  }
}

}  // namespace
}  // namespace quimbo::test
