// Matches: the start, the computer's opening, the score, the outcome windows' next-round
// preparation, the result, and whole matches played through the handlers.
#include <gtest/gtest.h>

#include <array>

#include "core/game.h"
#include "core/rules/match_start.h"
#include "core/rules/menus.h"
#include "core/rules/player_move.h"
#include "core/rules/round_outcome.h"
#include "core/rules/match_result.h"
#include "core/rules/score_captions.h"
#include "support/game_text.h"
#include "support/match_player.h"
#include "support/recording_platform.h"
#include "support/scripted_random.h"

namespace quimbo::test {
namespace {

using enum Field;

class Match : public testing::Test {
protected:
  // Round `roundsPlayed + 1` of a match, which the side given by `openings` opened.
  void inRound(int roundsPlayed, int openings, std::string_view board = "... ... ...") {
    setPosition(form, board);
    form.command5Visible = false;
    form.panel.setNumber(Text22, roundsPlayed);
    form.panel.setNumber(Text25, openings);
    form.panel.setText(Text20, "7");
    form.panel.setText(Text27, "1");
  }
  const std::string& field(Field f) const { return form.panel.text(f); }

  // Past the splash: only the game's own timers are left to tick.
  Match() { handle(game, Input::timePasses(kSplashTime)); }

  ScriptedRandom random;
  RecordingPlatform platform;
  Game game{random, platform};
  Form1& form = game.form1;
};

TEST_F(Match, StartResetsTheBoardAndScoreAndInvitesThePlayerOnACoinOfOne) {
  setPosition(form, "010 110 0..");
  for (int f = 20; f <= kFieldCount; ++f) form.panel.setText(static_cast<Field>(f), "x");
  form.mjug = "    Jug: 4     ";
  form.mpc = "junk";
  const auto before = form.pictures;
  random.coins({1});
  pressCommand5(form, random);

  EXPECT_FALSE(form.command5Visible);
  EXPECT_EQ(form.mjug, "    Jug: 0     ");
  EXPECT_EQ(form.mpc, "     PC: 0     ");
  for (int f = 1; f <= 20; ++f) EXPECT_EQ(field(static_cast<Field>(f)), "") << "Text" << f;
  for (std::size_t n = 0; n < 10; ++n) {
    EXPECT_EQ(form.pictures[n], (Point{kParkingLefts[n], before[n].top})) << "parked sideways";
  }
  EXPECT_EQ(field(Text26) + field(Text25) + field(Text21) + field(Text27), "0150");
  EXPECT_EQ(form.label1, "Comenzá vos");
  for (Field untouched : {Text22, Text23, Text24, Text28}) EXPECT_EQ(field(untouched), "x");
  EXPECT_EQ(random.reseeds(), 1);
}

TEST_F(Match, TheComputerOpensACornerOrTheCentreASecondLaterAndClicksWaitForIt) {
  random.coins({0, 1});
  random.cells({2});  // an edge: the opening choice tosses again
  random.coins({1});
  random.cells({9});
  pressCommand5(form, random);
  EXPECT_EQ(random.reseeds(), 3) << "before every coin, never before a die";
  EXPECT_EQ(field(Text25) + field(Text20) + field(Text27), "091");
  EXPECT_EQ(form.label1, "Comienzo yo");

  const std::string pending = stateOf(form);
  clickImage(form, 3);
  EXPECT_EQ(stateOf(form), pending) << "the board is locked until the opening piece is down";
  game.clock.advance(999);
  EXPECT_EQ(boardOf(form.panel), "... ... ...");
  game.clock.advance(1);
  EXPECT_EQ(boardOf(form.panel), "... ... ..0");
  EXPECT_EQ(form.picture(1), piecePlace(9, Side::Matrix));
  EXPECT_EQ(field(Text10) + field(Text27), "10");
  EXPECT_EQ(form.label1, "Comienzo yo") << "until the player's first click";

  for (const char* cell : {"", "0", "10", "x"}) {  // no valid cell: nothing placed, still unlocked
    inRound(0, 0, "... ... ...");
    form.panel.setText(Text20, cell);
    form.timer2.enable();
    game.clock.advance(1000);
    EXPECT_EQ(boardOf(form.panel) + field(Text27), "... ... ...0") << '"' << cell << '"';
  }
}

TEST(MatchChances, TheComputerOpensHalfTheMatchesInTheCentreOrACornerNeverAnEdge) {
  SeededRandom random(20260112);
  Clock clock;
  Form1 form(clock);
  constexpr int kMatches = 14'000;
  int opens = 0;
  std::array<int, 10> cells{};
  for (int match = 0; match < kMatches; ++match) {
    form.command5Visible = true;
    pressCommand5(form, random);
    if (!form.timer2.isEnabled()) continue;
    ++opens;
    ++cells[static_cast<std::size_t>(form.panel.number(Text20))];
    form.timer2.disable();
  }
  // About five standard deviations: a fault shows, chance does not.
  EXPECT_NEAR(opens / double(kMatches), 0.5, 0.025);
  EXPECT_NEAR(cells[5] / double(opens), 5.0 / 7.0, 0.03);
  for (int corner : {1, 3, 7, 9}) EXPECT_NEAR(cells[corner] / double(opens), 1.0 / 14.0, 0.016);
  for (int edge : {2, 4, 6, 8}) EXPECT_EQ(cells[edge], 0);
}

TEST(ScoreCaptions, NineTenAndUnknownCaptionsDoNotAdvance) {
  EXPECT_EQ(scoreCaption(Side::Matrix, 10), "     PC: 10   ");
  for (const char* unchanged :
       {"     PC: 9     ", "     PC: 10   ", "     PC: 3    ", "    Jug: 3     "}) {
    EXPECT_EQ(advancedScore(unchanged, Side::Matrix, 2), unchanged);
  }
  EXPECT_FALSE(pointsShown("     PC: 10   ", Side::Player));
}

TEST_F(Match, AWinScoresAtTheClickClearsTheBoardASecondLaterAndTheOtherSideOpens) {
  for (int openings : {0, 2, 4, 1, 3}) {
    inRound(1, openings, "11. 00. ...");
    form.panel.setText(Text27, "0");
    form.mjug = "    Jug: 8     ";
    clickImage(form, 2);  // completes the top row
    game.clock.advance(1000);
    ASSERT_TRUE(game.form2.visible);
    EXPECT_EQ(form.mjug, "    Jug: 8     ") << "not before the click";
    acknowledgeRoundWon(game, Side::Player);
    EXPECT_EQ(form.mjug + form.mpc, "    Jug: 10        PC: 0     ");
    const bool computerNext = openings % 2 == 1;
    if (computerNext) random.coins({0});
    game.clock.advance(999);
    EXPECT_EQ(boardOf(form.panel), "111 00. ...");
    game.clock.advance(1);
    EXPECT_EQ(boardOf(form.panel), "... ... ...");
    EXPECT_EQ(form.label1, computerNext ? "Comienzo yo" : "Comenzá vos") << openings;
    EXPECT_EQ(form.timer2.isEnabled(), computerNext);
    EXPECT_EQ(field(Text27) + field(Text22) + field(Text20), computerNext ? "125" : "027");
    EXPECT_EQ(field(Text25), std::to_string(openings + 1));
    for (std::size_t n = 0; n < 10; ++n) EXPECT_EQ(form.pictures[n].left, kParkingLefts[n]);
    form.timer2.disable();
  }
}

TEST_F(Match, ADrawGivesEachSideAPointButNineStaysNineAndLeavesTheLineLock) {
  inRound(1, 2, "011 100 110");
  form.mjug = "    Jug: 9     ";
  form.mpc = "     PC: 4     ";
  form.panel.setText(Text28, "x");
  game.form5.visible = true;
  acknowledgeDraw(game);
  EXPECT_EQ(form.mjug + form.mpc, "    Jug: 9          PC: 5     ");
  game.clock.advance(1000);
  EXPECT_EQ(boardOf(form.panel) + field(Text22) + field(Text25) + field(Text28), "... ... ...23x");
}

TEST_F(Match, AfterTheFifthRoundTheResultShowsAndNoSixthRoundStarts) {
  for (bool drawn : {false, true}) {
    inRound(4, 5, drawn ? "011 100 110" : "00. 11. 1..");
    form.mjug = "    Jug: 6     ";
    form.mpc = drawn ? "     PC: 3     " : "     PC: 2     ";
    form.panel.setText(Text28, drawn ? "" : "0");
    form.label1 = "";
    (drawn ? game.form5 : game.form3).visible = true;
    drawn ? acknowledgeDraw(game) : acknowledgeRoundWon(game, Side::Matrix);
    game.clock.advance(1000);

    EXPECT_TRUE(game.form4.visible);
    EXPECT_EQ(game.form4.label2 + "/" + game.form4.label3, drawn ? "4/7" : "4/6");
    EXPECT_EQ(boardOf(form.panel), "... ... ...");
    EXPECT_EQ(field(Text22) + field(Text25) + field(Text27), "551")
        << "no sixth round is counted or opened";
    EXPECT_EQ(field(Text28), "") << "or the next match would start locked";
    EXPECT_EQ(form.label1, "");
    EXPECT_FALSE(game.clock.nextDeadline()) << "no opening piece is on its way";
    acknowledgeMatchResult(game);
  }
}

TEST_F(Match, TheResultShowsKnownTotalsAndItsClickReadiesANewMatch) {
  inRound(5, 5, "011 100 110");
  for (Field f : {Text21, Text27, Text28}) form.panel.setText(f, "x");
  form.mpc = "     PC: 10   ";
  form.mjug = "Jug: ?";
  showMatchResult(game);
  EXPECT_EQ(game.form4.label2 + "/" + game.form4.label3, "10/")
      << "an unknown caption shows nothing";
  acknowledgeMatchResult(game);
  EXPECT_FALSE(game.form4.visible);
  EXPECT_TRUE(form.command5Visible);
  for (int f = 1; f <= 20; ++f) EXPECT_EQ(field(static_cast<Field>(f)), "") << "Text" << f;
  EXPECT_EQ(field(Text22) + field(Text23) + field(Text24) + field(Text26), "0000");
  EXPECT_EQ(field(Text25), "");
  EXPECT_EQ(field(Text21) + field(Text27) + field(Text28), "xxx");
  EXPECT_EQ(form.mpc, "     PC: 10   ") << "until the next match starts";
}

TEST(WholeMatches, EndAfterFiveRoundsWithTwoPointsARoundAndAlternatingOpeners) {
  for (std::uint64_t seed = 1; seed <= 300; ++seed) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    SeededRandom random(seed);
    RecordingPlatform platform;
    Game game(random, platform);
    MatchPlayer player(game, seed);
    for (int match = 0; match < 2; ++match) {
      ASSERT_TRUE(player.playMatch());
      const int points = *pointsShown(game.form1.mpc, Side::Matrix) +
                         *pointsShown(game.form1.mjug, Side::Player);
      EXPECT_EQ(points, 10);
      ASSERT_EQ(player.openers().size(), 5u);
      for (std::size_t round = 1; round < 5; ++round) {
        EXPECT_NE(player.openers()[round], player.openers()[round - 1]);
      }
      const std::string settled = stateOf(game.form1);
      for (int step = 0; step < 5; ++step) player.step();
      EXPECT_EQ(stateOf(game.form1), settled) << "nothing moves behind the result";
      acknowledgeMatchResult(game);
    }
  }
}

TEST_F(Match, TheBannerOpensThePartnerSiteAndEveryFailureShowsTheNotice) {
  clickImage10(game);
  EXPECT_EQ(platform.opened, std::vector<std::string>{"https://www.rinconludico.example/"});
  EXPECT_FALSE(game.browserNotice.visible) << "an opener that started is no failure yet";
  browserFailed(game);  // it ended without a browser
  EXPECT_TRUE(game.browserNotice.visible);
  dismissBrowserNotice(game);
  platform.browserWorks = false;  // no opener could start at all
  clickImage10(game);
  EXPECT_TRUE(game.browserNotice.visible);
}

}  // namespace
}  // namespace quimbo::test
