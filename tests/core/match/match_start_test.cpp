// The start of a match, the computer's opening choice and its opening piece.
#include <gtest/gtest.h>

#include <array>

#include "game/match_start.h"
#include "game/player_move.h"
#include "support/board_text.h"
#include "support/form1_snapshot.h"
#include "support/positions.h"
#include "support/scripted_random.h"

namespace quimbo::test {
namespace {

using enum Field;

class MatchStart : public testing::Test {
protected:
  MatchStart() { form.timer2.onTick([this] { tickTimer2(form); }); }

  // What a finished match leaves behind, with some fields holding text the start must not touch.
  void afterAMatch() {
    setPosition(form, "010 110 0..");
    for (int f = 20; f <= kFieldCount; ++f) form.panel.setText(static_cast<Field>(f), "x");
    form.mjug = "    Jug: 4     ";
    form.mpc = "what";
    form.label1 = "";
    form.command5Visible = true;
  }
  void coins(std::initializer_list<int> sides) {
    for (int side : sides) random.add({ScriptedRandom::forCoin(side)});
  }
  const std::string& field(Field f) const { return form.panel.text(f); }
  void cells(std::initializer_list<int> numbers) {
    for (int cell : numbers) random.add({ScriptedRandom::forCell(cell)});
  }

  Clock clock;
  Form1 form{clock};
  ScriptedRandom random;
};

TEST_F(MatchStart, ClearsTheBoardAndScoreAndInvitesThePlayerOnACoinOfOne) {
  afterAMatch();
  const auto tops = form.pictures;
  coins({1});
  pressCommand5(form, random);

  EXPECT_FALSE(form.command5Visible);
  EXPECT_EQ(form.mjug, "    Jug: 0     ");
  EXPECT_EQ(form.mpc, "     PC: 0     ");
  for (int f = 1; f <= 20; ++f) EXPECT_EQ(form.panel.text(static_cast<Field>(f)), "") << "Text" << f;
  for (int n = 1; n <= 10; ++n) {
    EXPECT_EQ(form.picture(n).left, kParkingLefts[static_cast<std::size_t>(n - 1)]);
    EXPECT_EQ(form.picture(n).top, tops[static_cast<std::size_t>(n - 1)].top) << "Picture" << n;
  }
  EXPECT_EQ(field(Text26), "0");
  EXPECT_EQ(field(Text25), "1");
  EXPECT_EQ(field(Text21), "5");
  EXPECT_EQ(field(Text27), "0");
  EXPECT_EQ(form.label1, "Comenzá vos");
  EXPECT_FALSE(form.timer2.isEnabled());
  for (Field untouched : {Text22, Text23, Text24, Text28}) EXPECT_EQ(field(untouched), "x");
  EXPECT_EQ(random.reseeds(), 1);
}

TEST_F(MatchStart, OnACoinOfZeroTheComputerChoosesItsOpeningAndWaitsASecond) {
  afterAMatch();
  coins({0, 0});  // the computer opens; it takes the centre
  pressCommand5(form, random);

  EXPECT_EQ(field(Text25), "0");
  EXPECT_EQ(field(Text20), "5");
  EXPECT_EQ(form.label1, "Comienzo yo");
  EXPECT_EQ(field(Text27), "1");
  EXPECT_EQ(field(Text21), "x") << "left as it was";
  EXPECT_TRUE(form.timer2.isEnabled());
  EXPECT_EQ(random.reseeds(), 2);
}

TEST_F(MatchStart, TheOpeningChoiceTossesAgainOnAnEdgeAndReseedsOnlyBeforeCoins) {
  coins({1});
  cells({2});
  coins({1});
  cells({6});
  coins({1});
  cells({7});
  EXPECT_EQ(chooseOpeningCell(random), 7);
  EXPECT_EQ(random.reseeds(), 3);
  EXPECT_TRUE(random.exhausted());
}

TEST_F(MatchStart, ClicksDuringTheOpeningSecondAreIgnoredThenThePieceIsDown) {
  coins({0, 1});
  cells({9});
  pressCommand5(form, random);
  const auto pending = snapshotOf(form);
  clickImage(form, 3);  // the centre
  EXPECT_EQ(snapshotOf(form), pending);

  clock.advance(999);
  EXPECT_EQ(boardOf(form.panel), "... ... ...");
  clock.advance(1);
  EXPECT_EQ(boardOf(form.panel), "... ... ..0");
  EXPECT_EQ(form.picture(1), piecePlace(9, Side::Matrix));
  EXPECT_EQ(field(Text10), "1");
  EXPECT_EQ(field(Text27), "0");
  EXPECT_EQ(form.label1, "Comienzo yo") << "stays until the player's first click";
  EXPECT_FALSE(form.timer2.isEnabled());

  clickImage(form, 3);
  EXPECT_EQ(boardOf(form.panel), "... .1. ..0");
  EXPECT_EQ(form.label1, "");
}

TEST_F(MatchStart, AnOpeningPieceWithNoValidCellPlacesNothingButStillUnlocks) {
  for (const char* cell : {"", "0", "10", "x", "-3"}) {
    form.panel.setText(Text20, cell);
    form.panel.setText(Text27, "1");
    form.timer2.enable();
    clock.advance(1000);
    EXPECT_EQ(boardOf(form.panel), "... ... ...") << '"' << cell << '"';
    EXPECT_EQ(field(Text27), "0");
    EXPECT_EQ(form.picture(1), kLoadPlaces[0]);
  }
}

TEST_F(MatchStart, TheHiddenStartButtonIgnoresPresses) {
  form.command5Visible = false;
  const auto before = snapshotOf(form);
  pressCommand5(form, random);
  EXPECT_EQ(snapshotOf(form), before);
  EXPECT_EQ(random.drawsTaken(), 0);
}

TEST_F(MatchStart, PlayOpensTheNextRoundForTheComputerWithoutTouchingTheLock) {
  form.panel.setText(Text27, "1");
  coins({1});
  cells({1});
  pressCommand4(form, random);
  EXPECT_EQ(field(Text20), "1");
  EXPECT_EQ(form.label1, "Comienzo yo");
  EXPECT_EQ(field(Text27), "1");
  EXPECT_TRUE(form.timer2.isEnabled());
}

TEST(MatchStartChances, TheComputerOpensHalfTheMatchesInTheCentreOrACornerNeverAnEdge) {
  SeededRandom random(20260112);
  Clock clock;
  Form1 form(clock);
  constexpr int kMatches = 14'000;
  int computerOpens = 0;
  std::array<int, 10> openingCells{};
  for (int match = 0; match < kMatches; ++match) {
    form.command5Visible = true;
    pressCommand5(form, random);
    if (form.timer2.isEnabled()) {
      ++computerOpens;
      ++openingCells[static_cast<std::size_t>(form.panel.number(Text20))];
      form.timer2.disable();
    }
  }
  // Tolerances of about five standard deviations: a fault shows, chance does not.
  EXPECT_NEAR(computerOpens / double(kMatches), 0.5, 0.025);
  EXPECT_NEAR(openingCells[5] / double(computerOpens), 5.0 / 7.0, 0.03);
  for (int corner : {1, 3, 7, 9}) {
    EXPECT_NEAR(openingCells[static_cast<std::size_t>(corner)] / double(computerOpens), 1.0 / 14.0,
                0.016)
        << "corner " << corner;
  }
  for (int edge : {2, 4, 6, 8}) EXPECT_EQ(openingCells[static_cast<std::size_t>(edge)], 0);
}

}  // namespace
}  // namespace quimbo::test
