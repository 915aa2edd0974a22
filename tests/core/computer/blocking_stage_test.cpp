// "Defensa": the computer blocks the first line the player could complete.
#include "support/computer_fixture.h"

namespace quimbo::test {
namespace {

using enum Field;

class BlockingStage : public ComputerTest {};

TEST_F(BlockingStage, BlocksAndCountsTheMove) {
  given("11. ... ...");
  answer();
  EXPECT_EQ(board(), "110 ... ...");
  EXPECT_EQ(form.picture(1), (Point{2260, 360}));
  EXPECT_EQ(field(Text10), "1");
  EXPECT_EQ(field(Text24), "1");
  EXPECT_EQ(field(Text21), "");
  EXPECT_EQ(field(Text26), "1");
  EXPECT_EQ(field(Text27), "0") << "the board is open for the player";
  EXPECT_FALSE(form.timer4.isEnabled());
  EXPECT_FALSE(form.timer5.isEnabled());
}

TEST_F(BlockingStage, OfSeveralThreatsTheFirstLineInOrderIsBlocked) {
  given("1.1 ... 001");  // threats on the top row, the right column and the diagonal
  answer();
  EXPECT_EQ(board(), "101 ... 001");
}

TEST_F(BlockingStage, ALineAlreadyBlockedIsPassedOver) {
  given("110 1.. .0.");  // the top row is blocked, the left column is not
  answer();
  EXPECT_EQ(board(), "110 1.. 00.");
}

TEST_F(BlockingStage, TheLowestPieceInHandIsUsed) {
  given("11. .0. ...");
  form.panel.setText(Text10, "1");
  form.panel.setText(Text11, "");
  form.panel.setText(Text12, "1");
  answer();
  EXPECT_EQ(field(Text11), "1");
  EXPECT_EQ(form.picture(2), (Point{2260, 360}));
}

TEST_F(BlockingStage, WithNoPieceInHandItLeavesTheMoveToTheRandomStage) {
  given("11. .0. ...");
  for (Field flag : {Text10, Text11, Text12, Text13, Text14}) form.panel.setText(flag, "1");
  form.panel.setText(Text21, "x");
  form.panel.setText(Text26, "3");
  random.add({ScriptedRandom::forCell(2)});
  pressCommand2(form, random);
  EXPECT_EQ(board(), "11. .0. ...");
  EXPECT_EQ(field(Text24), "0");
  EXPECT_EQ(field(Text21), "x");
  EXPECT_EQ(field(Text26), "3");
}

TEST_F(BlockingStage, TheFirstReplyMarkerHandsOverToTheOpeningPreferences) {
  given("11. ... ...");
  form.panel.setText(Text21, "5");
  form.panel.setText(Text25, "1");
  random.add({ScriptedRandom::forCell(8)});
  pressCommand2(form, random);
  EXPECT_EQ(board(), "11. .0. ...") << "the centre, not the block";
  EXPECT_EQ(field(Text24), "0");
  EXPECT_EQ(field(Text26), "1") << "counted by the random stage";
}

TEST_F(BlockingStage, ABlockThatCompletesAComputerLineWinsAndIsNotCounted) {
  given("11. .0. 0..");
  form.panel.setText(Text26, "1");
  pressCommand2(form, random);  // called on its own: the winning stage would have won first
  EXPECT_EQ(board(), "110 .0. 0..");
  EXPECT_TRUE(form.timer4.isEnabled());
  EXPECT_FALSE(form.timer5.isEnabled());
  EXPECT_EQ(field(Text27), "1");
  EXPECT_EQ(field(Text21), "");
  EXPECT_EQ(field(Text26), "1");
}

TEST_F(BlockingStage, ABlockThatFillsTheBoardIsADrawAndIsCounted) {
  given("101 100 .10");
  form.panel.setText(Text26, "3");
  answer();
  EXPECT_EQ(board(), "101 100 010");
  EXPECT_EQ(field(Text27), "1");
  EXPECT_TRUE(form.timer5.isEnabled());
  EXPECT_FALSE(form.timer4.isEnabled());
  EXPECT_EQ(field(Text26), "4");
}

TEST_F(BlockingStage, TheMoveCountStartsFromWhateverTheFieldSays) {
  for (const auto& [before, after] : {std::pair{"", "1"}, {"7", "8"}, {" 2x", "3"}}) {
    given("11. ... ...");
    form.panel.setText(Text26, before);
    answer();
    EXPECT_EQ(field(Text26), after) << '"' << before << '"';
  }
}

}  // namespace
}  // namespace quimbo::test
