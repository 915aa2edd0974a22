// The player's move: which clicks the board takes, where the piece goes, and what comes next.
#include <gtest/gtest.h>

#include <functional>

#include "game/player_move.h"
#include "support/board_text.h"
#include "support/form1_snapshot.h"

namespace quimbo {
namespace {

using enum Field;
using test::boardOf;
using test::setBoard;
using test::snapshotOf;

// The click target of each cell, so tests can speak of cells.
int imageOf(int cell) { return kCellPlaces[static_cast<std::size_t>(cell - 1)].clickTarget; }

class PlayerMove : public testing::Test {
protected:
  PlayerMove() {
    // A running match with the player to move, as after "Comenzá vos".
    form.command5Visible = false;
    form.panel.setText(Text27, "0");
    form.label1 = "Comenzá vos";
  }

  void click(int cell) { clickImage(form, imageOf(cell)); }
  // The computer has answered: the board opens again.
  void unlock() { form.panel.setText(Text27, "0"); }
  std::array<bool, 5> timers() const { return snapshotOf(form).timersEnabled; }

  Clock clock;
  Form1 form{clock};
};

TEST_F(PlayerMove, EachTargetPutsThePieceOnItsOwnCell) {
  for (int image = 1; image <= 9; ++image) {
    Clock freshClock;
    Form1 fresh(freshClock);
    fresh.command5Visible = false;
    clickImage(fresh, image);
    const int cell = cellOfClickTarget(image);
    EXPECT_EQ(fresh.panel.text(cellField(cell)), "1") << "Image" << image;
    EXPECT_EQ(fresh.picture(6), piecePlace(cell, Side::Player)) << "Image" << image;
    EXPECT_EQ(fresh.panel.text(Text15), "1");
  }
}

struct Refusal {
  const char* why;
  std::function<void(Form1&)> arrange;
};

TEST_F(PlayerMove, RefusedClicksChangeNothingAtAllNotEvenTheStatusLine) {
  const Refusal refusals[] = {
      {"no match is running", [](Form1& f) { f.command5Visible = true; }},
      {"the cell holds the player's mark", [](Form1& f) { f.panel.setText(Text5, "1"); }},
      {"the cell holds the computer's mark", [](Form1& f) { f.panel.setText(Text5, "0"); }},
      {"the computer has not answered yet", [](Form1& f) { f.panel.setText(Text27, "1"); }},
      {"the computer has completed a line", [](Form1& f) { f.panel.setText(Text28, "0"); }},
      {"all five pieces are on the board",
       [](Form1& f) { f.panel.clear(Text15, Text19); for (Field flag : {Text15, Text16, Text17, Text18, Text19}) f.panel.setText(flag, "1"); }},
  };
  for (const Refusal& refusal : refusals) {
    Clock freshClock;
    Form1 fresh(freshClock);
    fresh.command5Visible = false;
    fresh.panel.setText(Text27, "0");
    fresh.label1 = "Comienzo yo";
    refusal.arrange(fresh);
    const auto before = snapshotOf(fresh);
    clickImage(fresh, imageOf(5));
    EXPECT_EQ(snapshotOf(fresh), before) << refusal.why;
  }
}

TEST_F(PlayerMove, OnlyExactTextsCountAsMarksAndLocks) {
  form.panel.setText(Text5, " 1");   // not a mark: the cell counts as free
  form.panel.setText(Text27, "1 ");  // not "1": the board is open
  form.panel.setText(Text28, "00");  // not "0": no line lock
  click(5);
  EXPECT_EQ(form.panel.text(Text5), "1");
  EXPECT_EQ(form.picture(6), piecePlace(5, Side::Player));
}

TEST_F(PlayerMove, PiecesAreUsedInOrderWhateverCellsAreClicked) {
  const int cells[] = {9, 1, 6, 2};
  for (int k = 0; k < 4; ++k) {
    click(cells[k]);
    EXPECT_EQ(form.picture(6 + k), piecePlace(cells[k], Side::Player)) << "piece " << k + 1;
    unlock();
  }
  EXPECT_EQ(form.panel.text(Text18), "1");
  EXPECT_EQ(form.panel.text(Text19), "");
  EXPECT_EQ(form.picture(10), kLoadPlaces[9]);
}

TEST_F(PlayerMove, AFreeFlagAfterAUsedOneIsTakenFirst) {
  form.panel.setText(Text15, "1");
  form.panel.setText(Text17, "1");
  click(1);
  EXPECT_EQ(form.panel.text(Text16), "1");
  EXPECT_EQ(form.picture(7), piecePlace(1, Side::Player));
  EXPECT_EQ(form.picture(9), kLoadPlaces[8]);
}

TEST_F(PlayerMove, AnOrdinaryMoveLocksTheBoardAndStartsTheComputersAnswer) {
  click(5);
  EXPECT_EQ(form.panel.text(Text27), "1");
  EXPECT_EQ(form.label1, "");
  EXPECT_EQ(timers(), (std::array{true, false, false, false, false}));
}

TEST_F(PlayerMove, ALineAnnouncesThePlayersRoundAndNothingElse) {
  setBoard(form.panel, "11. 00. ...");
  form.panel.setText(Text15, "1");
  form.panel.setText(Text16, "1");
  click(3);
  EXPECT_EQ(form.label1, "");
  EXPECT_EQ(timers(), (std::array{false, false, true, false, false}));
}

TEST_F(PlayerMove, TheFifthPieceFillsTheBoardAndAnnouncesADraw) {
  // The player opened: after eight moves one cell is left for the fifth piece.
  setBoard(form.panel, "101 100 01.");
  for (Field flag : {Text15, Text16, Text17, Text18}) form.panel.setText(flag, "1");
  click(9);
  EXPECT_EQ(boardOf(form.panel), "101 100 011");
  EXPECT_EQ(form.picture(10), piecePlace(9, Side::Player));
  EXPECT_EQ(form.panel.text(Text27), "1");
  EXPECT_EQ(timers(), (std::array{false, false, false, false, true}));
}

TEST_F(PlayerMove, AFifthPieceThatMakesALineIsAWinNotADraw) {
  setBoard(form.panel, "101 010 01.");
  for (Field flag : {Text15, Text16, Text17, Text18}) form.panel.setText(flag, "1");
  click(9);  // completes the diagonal from the top left
  EXPECT_EQ(timers(), (std::array{false, false, true, false, false}));
}

}  // namespace
}  // namespace quimbo
