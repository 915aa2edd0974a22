// The player's move: which click target is which cell, which clicks the board takes, where the
// piece goes, and which timer each kind of move arms.
#include "core/rules/player_move.h"

#include <gtest/gtest.h>

#include <functional>

#include "support/game_text.h"

namespace quimbo::test {
namespace {

using enum Field;

int imageOf(int cell) { return kCellPlaces[static_cast<std::size_t>(cell - 1)].clickTarget; }

class PlayerMove : public testing::Test {
 protected:
  // A running match with the player to move, as after "Comenzá vos".
  PlayerMove() {
    form.command5Visible = false;
    form.panel.setText(Text27, "0");
    form.label1 = "Comenzá vos";
  }
  void click(int cell) { clickImage(form, imageOf(cell)); }

  Clock clock;
  Form1 form{clock};
};

TEST_F(PlayerMove, EachClickTargetPutsThePieceOnItsOwnCell) {
  // The targets are numbered round the board (Image1 is the top middle cell, Image9 the top left);
  // below the top row the player's pieces stand 10 twips higher than the computer's would.
  const std::pair<int, Point> cellOfImage[] = {
      {0, {}},           {2, {1320, 360}},  {3, {2260, 360}}, {5, {1320, 1310}}, {6, {2260, 1310}},
      {9, {2260, 2250}}, {8, {1320, 2250}}, {7, {360, 2250}}, {4, {360, 1310}},  {1, {360, 360}}};
  for (int image = 1; image <= 9; ++image) {
    Form1 fresh(clock);
    fresh.command5Visible = false;
    clickImage(fresh, image);
    const auto [cell, place] = cellOfImage[image];
    EXPECT_EQ(fresh.panel.text(cellField(cell)), "1") << "Image" << image;
    EXPECT_EQ(fresh.picture(6), place) << "Image" << image;
  }
}

TEST_F(PlayerMove, RefusedClicksChangeNothingAtAllNotEvenTheStatusLine) {
  const std::pair<const char*, std::function<void(Form1&)>> refusals[] = {
      {"no match is running", [](Form1& f) { f.command5Visible = true; }},
      {"the player holds the cell", [](Form1& f) { f.panel.setText(Text5, "1"); }},
      {"the computer holds the cell", [](Form1& f) { f.panel.setText(Text5, "0"); }},
      {"the computer has not answered", [](Form1& f) { f.panel.setText(Text27, "1"); }},
      {"the computer completed a line", [](Form1& f) { f.panel.setText(Text28, "0"); }},
      {"no piece is left in hand", [](Form1& f) { setPosition(f, "111 ... 11."); }},
  };
  for (const auto& [why, arrange] : refusals) {
    Form1 fresh(clock);
    fresh.command5Visible = false;
    fresh.panel.setText(Text27, "0");
    fresh.label1 = "Comienzo yo";
    arrange(fresh);
    const std::string before = stateOf(fresh);
    clickImage(fresh, 3);  // the centre
    EXPECT_EQ(stateOf(fresh), before) << why;
  }
}

TEST_F(PlayerMove, OnlyExactTextsCountAsMarksAndLocks) {
  form.panel.setText(Text5, " 1");
  form.panel.setText(Text27, "1 ");
  form.panel.setText(Text28, "00");
  click(5);
  EXPECT_EQ(form.panel.text(Text5), "1");
}

TEST_F(PlayerMove, PiecesAreUsedInOrderWhateverCellsAreClicked) {
  form.panel.setText(Text16, "1");  // a gap: the first piece still in hand is taken
  const int cells[] = {9, 1, 6};
  const int pictures[] = {6, 8, 9};
  for (int k = 0; k < 3; ++k) {
    click(cells[k]);
    EXPECT_EQ(form.picture(pictures[k]), piecePlace(cells[k], Side::Player));
    form.panel.setText(Text27, "0");  // the computer has answered
  }
  EXPECT_EQ(form.panel.text(Text19), "");
}

TEST_F(PlayerMove, EachMoveArmsExactlyTheTimerForWhatComesNext) {
  struct Move {
    const char* why;
    const char* board;
    int cell;
    const char* timers;  // Timer1..Timer5
  };
  const Move moves[] = {
      {"an ordinary move: the computer answers", "1.. .0. ...", 9, "1...."},
      {"a line: the player's round", "11. 00. ...", 3, "..1.."},
      {"the fifth piece fills the board: a draw", "101 100 01.", 9, "....1"},
      {"a fifth piece that makes a line: a win", "101 010 01.", 9, "..1.."},
  };
  for (const Move& move : moves) {
    Form1 fresh(clock);
    fresh.command5Visible = false;
    setPosition(fresh, move.board);
    fresh.label1 = "Comenzá vos";
    clickImage(fresh, imageOf(move.cell));
    EXPECT_EQ(enabledTimers(fresh), move.timers) << move.why;
    EXPECT_EQ(fresh.panel.text(Text27), "1") << move.why;
    EXPECT_EQ(fresh.label1, "") << move.why;
  }
}

}  // namespace
}  // namespace quimbo::test
