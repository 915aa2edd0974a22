// "Aleatorio": the opening preferences in their order, then a random free cell.
#include <set>

#include "support/computer_fixture.h"

namespace quimbo::test {
namespace {

using enum Field;

class RandomStage : public ComputerTest {
protected:
  // R is the opening counter, M the computer's counted moves in the round.
  void given(std::string_view board, int r, int m) {
    ComputerTest::given(board);
    form.panel.setNumber(Text25, r);
    form.panel.setNumber(Text26, m);
  }
  void draws(std::initializer_list<int> cells) {
    for (int cell : cells) random.add({ScriptedRandom::forCell(cell)});
  }
  void run() { pressCommand1(form, random); }
};

TEST_F(RandomStage, TakesTheCentreAsTheFirstReplyToAPlayerWhoOpened) {
  given("1.. ... ...", 1, 0);
  form.panel.setText(Text21, "5");
  draws({2});
  run();
  EXPECT_EQ(board(), "1.. .0. ...");
  EXPECT_EQ(form.picture(1), (Point{1320, 1320}));
  EXPECT_EQ(field(Text10), "1");
  EXPECT_EQ(field(Text21), "");
  EXPECT_EQ(field(Text26), "1");
  EXPECT_EQ(random.reseeds(), 0);
}

TEST_F(RandomStage, TakesTheFirstFreeCornerWhenThePlayerOpenedInTheCentre) {
  given("... .1. ...", 1, 0);
  form.panel.setText(Text21, "5");
  draws({4});
  run();
  EXPECT_EQ(board(), "0.. .1. ...");
}

struct Case {
  const char* name;
  const char* board;
  int r, m;
  const char* expected;
};

class Preferences : public RandomStage, public testing::WithParamInterface<Case> {};

TEST_P(Preferences, PickTheirTarget) {
  given(GetParam().board, GetParam().r, GetParam().m);
  draws({2});  // the edge draw, whenever group A finds nothing
  run();
  EXPECT_EQ(board(), GetParam().expected);
  EXPECT_EQ(random.reseeds(), 0) << "no random retry";
}

INSTANTIATE_TEST_SUITE_P(
    Rules, Preferences,
    testing::Values(
        // Group A: the player opened, the computer holds the centre and makes its second move.
        Case{"A1_TwoEdgesBesideACorner", ".1. 10. ...", 1, 1, "01. 10. ..."},
        Case{"A5_EdgeAndCornerAKnightsMoveApart", "..1 10. ...", 1, 1, "0.1 10. ..."},
        Case{"A12_LowerEdgeAndUpperCorner", "..1 .0. .1.", 1, 1, "..1 .0. .10"},
        Case{"A_HoldsForRThree", ".1. 10. ...", 3, 1, "01. 10. ..."},
        Case{"A_NotOnTheFirstMove", ".1. .01 ...", 1, 0, "01. .01 ..."},
        Case{"A_NotWhenTheComputerOpened", ".1. .01 ...", 2, 1, "01. .01 ..."},
        // A13: the player holds a corner: the drawn edge.
        Case{"A13_DrawnEdge", "1.. .0. ..1", 1, 1, "10. .0. ..1"},
        // Group B: the computer opened in a corner and makes its first counted move.
        Case{"B2_OppositeCornerToACentrePlayer", "..0 .1. ...", 0, 0, "..0 .1. 0.."},
        Case{"B6_CentreWhenStillFree", "..0 ... .1.", 0, 0, "..0 .0. .1."},
        Case{"B_HoldsForRTwo", "0.. .1. ...", 2, 0, "0.. .1. ..0"},
        Case{"B_NotOnALaterMove", "0.. .1. ...", 0, 1, "0.0 .1. ..."},
        // Group C: the centre is taken: the first free corner, whatever R and M.
        Case{"C_FirstFreeCorner", "1.. .1. ...", 6, 4, "1.0 .1. ..."}),
    [](const testing::TestParamInfo<Case>& info) { return std::string(info.param.name); });

TEST_F(RandomStage, AnOccupiedTargetFallsThroughToChanceNotToAnotherRule) {
  given("11. .0. ...", 1, 1);  // A13 applies, and the edge it draws is the player's
  draws({2});                  // the edge: occupied
  draws({2, 5, 7});            // the retry: occupied, occupied, free
  run();
  EXPECT_EQ(board(), "11. .0. 0..");
  EXPECT_EQ(random.reseeds(), 3) << "reseeded before every draw of the retry";
}

TEST_F(RandomStage, TheEdgeDrawSkipsCornersAndTheCentre) {
  given("1.. .0. ..1", 1, 1);
  draws({1, 5, 9, 8});
  run();
  EXPECT_EQ(board(), "1.. .0. .01");
}

TEST_F(RandomStage, TheRetryKeepsDrawingUntilItFindsTheOnlyEmptyCell) {
  given("101 100 0.1", 6, 2);  // no rule applies: R is out of range, every corner is taken
  draws({2});
  draws({1, 3, 5, 7, 9, 2, 8});
  run();
  EXPECT_EQ(board(), "101 100 001");
  EXPECT_EQ(random.reseeds(), 7);
  EXPECT_TRUE(random.exhausted());
}

TEST_F(RandomStage, UsesTheLowestPieceInHand) {
  given("1.. ... ...", 1, 0);
  form.panel.setText(Text21, "5");
  form.panel.setText(Text10, "1");
  form.panel.setText(Text11, "1");
  draws({2});
  run();
  EXPECT_EQ(field(Text12), "1");
  EXPECT_EQ(form.picture(3), (Point{1320, 1320}));
}

TEST_F(RandomStage, APlacementThatCompletesALineWinsAndIsNotCounted) {
  given("0.0 1.1 ..1", 6, 2);  // no rule applies; chance lands on the gap in the top row
  draws({2});
  draws({2});
  run();
  EXPECT_EQ(board(), "000 1.1 ..1");
  EXPECT_TRUE(form.timer4.isEnabled());
  EXPECT_FALSE(form.timer5.isEnabled());
  EXPECT_EQ(field(Text27), "1");
  EXPECT_EQ(field(Text26), "2");
}

TEST_F(RandomStage, APlacementThatFillsTheBoardIsADrawAndIsCounted) {
  given("101 10. 010", 6, 3);
  draws({2});
  draws({6});
  run();
  EXPECT_EQ(board(), "101 100 010");
  EXPECT_TRUE(form.timer5.isEnabled());
  EXPECT_FALSE(form.timer4.isEnabled());
  EXPECT_EQ(field(Text27), "1");
  EXPECT_EQ(field(Text26), "4");
}

TEST_F(RandomStage, WithoutAnEmptyCellOrAPieceInHandItEndsWithoutAMove) {
  given("011 100 110", 6, 3);
  draws({2});
  run();
  EXPECT_EQ(board(), "011 100 110");
  EXPECT_EQ(random.reseeds(), 0);

  given("11. ... ...", 6, 0);
  for (Field flag : {Text10, Text11, Text12, Text13, Text14}) form.panel.setText(flag, "1");
  draws({2});
  run();
  EXPECT_EQ(board(), "11. ... ...");
  EXPECT_EQ(field(Text26), "0");
  EXPECT_EQ(random.reseeds(), 0);
}

TEST(SystemRandom, ReseedingOverAndOverStillReachesEveryCellQuickly) {
  SystemRandom random;
  std::set<int> cells;
  std::set<double> values;
  for (int draw = 0; draw < 200; ++draw) {
    random.reseed();
    const double r = random.next();
    values.insert(r);
    cells.insert(static_cast<int>(r * 9) + 1);
  }
  EXPECT_EQ(cells.size(), 9u);
  EXPECT_GT(values.size(), 190u) << "reseeds within the same microsecond must not repeat draws";
}

TEST(SeededRandom, TheSameSeedReplaysTheSameDrawsAcrossReseeds) {
  SeededRandom first(42), second(42);
  for (int i = 0; i < 50; ++i) {
    if (i % 7 == 0) {
      first.reseed();
      second.reseed();
    }
    EXPECT_EQ(first.next(), second.next());
  }
}

}  // namespace
}  // namespace quimbo::test
