// "Ataque": the computer completes a line of its own when it can, and otherwise hands over.
#include "support/computer_fixture.h"

namespace quimbo::test {
namespace {

using enum Field;

class WinningStage : public ComputerTest {};

TEST_F(WinningStage, TheTopRowComesBeforeTheLeftColumn) {
  given("00. 01. .11");  // both the top row and the left column are open
  answer();
  EXPECT_EQ(board(), "000 01. .11");
  EXPECT_EQ(form.picture(4), (Point{2260, 360}));
}

TEST_F(WinningStage, TheDiagonalFromTheTopLeftComesBeforeTheMiddleRow) {
  given(".1. 00. 1.0");
  form.panel.setText(Text26, "2");
  answer();
  EXPECT_EQ(board(), "01. 00. 1.0");
  EXPECT_EQ(form.picture(4), (Point{360, 360}));
}

TEST_F(WinningStage, LinesThePlayerHasBlockedArePassedOver) {
  given("001 0.. 1..");  // the top row and the left column are blocked
  answer();
  EXPECT_EQ(field(Text23), "0");
  EXPECT_FALSE(form.timer4.isEnabled());
  EXPECT_EQ(board(), "001 00. 1..") << "the blocking stage took over";
}

TEST_F(WinningStage, AWinningMoveWinsTheRoundWithoutBeingCounted) {
  given("00. 11. ...");
  form.panel.setText(Text21, "");
  form.panel.setText(Text26, "2");
  answer();
  EXPECT_EQ(board(), "000 11. ...");
  EXPECT_EQ(field(Text23), "1");
  EXPECT_EQ(field(Text28), "0");
  EXPECT_EQ(field(Text27), "1");
  EXPECT_EQ(field(Text26), "2");
  EXPECT_TRUE(form.timer4.isEnabled());
  EXPECT_FALSE(form.timer1.isEnabled());
  EXPECT_FALSE(form.timer5.isEnabled());
}

TEST_F(WinningStage, TheLowestPieceInHandIsUsed) {
  given("00. 11. 1..");
  form.panel.setText(Text10, "1");
  form.panel.setText(Text11, "");
  form.panel.setText(Text12, "1");
  answer();
  EXPECT_EQ(field(Text11), "1");
  EXPECT_EQ(form.picture(2), (Point{2260, 360}));
}

TEST_F(WinningStage, FillingTheLastCellWithALineIsAWinNotADraw) {
  given("011 100 01.");
  answer();
  EXPECT_EQ(board(), "011 100 010");
  EXPECT_TRUE(form.timer4.isEnabled());
  EXPECT_FALSE(form.timer5.isEnabled());
  EXPECT_EQ(field(Text27), "1");
}

TEST_F(WinningStage, WithNoPieceInHandNothingIsPlacedAndTheBoardOpens) {
  given("00. 11. 1..");
  for (Field flag : {Text10, Text11, Text12, Text13, Text14}) form.panel.setText(flag, "1");
  form.panel.setText(Text24, "x");
  random.add({ScriptedRandom::forCell(2)});
  answer();
  EXPECT_EQ(board(), "00. 11. 1..");
  EXPECT_EQ(field(Text27), "0");
  EXPECT_EQ(field(Text24), "0") << "the blocking stage ran";
  EXPECT_FALSE(form.timer4.isEnabled());
}

TEST_F(WinningStage, TheFirstReplyMarkerMakesItHandOverEvenWithALineOpen) {
  // While "5" marks the computer's first reply, the opening preference takes the centre.
  given("00. ..1 ...");
  form.panel.setText(Text21, "5");
  form.panel.setText(Text25, "1");
  random.add({ScriptedRandom::forCell(4)});
  answer();
  EXPECT_EQ(board(), "00. .01 ...");
  EXPECT_EQ(field(Text23), "0");
  EXPECT_EQ(field(Text21), "");
  EXPECT_FALSE(form.timer4.isEnabled());
}

TEST_F(WinningStage, OnAFullBoardItStillHandsOverAndNothingHangs) {
  given("011 100 010");
  form.panel.setText(Text24, "x");
  random.add({ScriptedRandom::forCell(2)});
  answer();
  EXPECT_EQ(field(Text24), "0");
  EXPECT_EQ(field(Text27), "0");
  EXPECT_EQ(board(), "011 100 010");
}

}  // namespace
}  // namespace quimbo::test
