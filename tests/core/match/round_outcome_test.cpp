// The outcome windows: who scores, when the board clears, who opens the next round, and the end of
// the match.
#include <gtest/gtest.h>

#include "game/game.h"
#include "game/player_move.h"
#include "outcome/drawn_round.h"
#include "outcome/match_result.h"
#include "outcome/round_won.h"
#include "support/board_text.h"
#include "support/form1_snapshot.h"
#include "support/positions.h"
#include "support/recording_platform.h"
#include "support/scripted_random.h"

namespace quimbo::test {
namespace {

using enum Field;

class RoundOutcome : public testing::Test {
protected:
  // A match in progress: `roundsPlayed` rounds done, the current one opened per `openings`.
  void inMatch(int roundsPlayed, int openings) {
    game.form1.command5Visible = false;
    game.form1.panel.setNumber(Text22, roundsPlayed);
    game.form1.panel.setNumber(Text25, openings);
    game.form1.panel.setText(Text20, "7");
  }
  // The player completes the top row; one second later "Ganador" shows.
  void playerWinsTheRound() {
    setPosition(game.form1, "11. 00. ...");
    game.form1.panel.setText(Text27, "0");
    clickImage(game.form1, 2);  // the top right cell
    game.clock.advance(1000);
  }
  void computerWinsTheRound() {
    setPosition(game.form1, "00. 11. 1..");
    game.form1.panel.setText(Text28, "0");
    game.form1.panel.setText(Text27, "1");
    game.form3.visible = true;
  }
  void roundIsDrawn() {
    setPosition(game.form1, "011 100 110");
    game.form1.panel.setText(Text27, "1");
    game.form5.visible = true;
  }
  const std::string& field(Field f) const { return game.form1.panel.text(f); }

  ScriptedRandom random;
  RecordingPlatform platform;
  Game game{random, platform};
};

TEST_F(RoundOutcome, ThePlayersWinShowsASecondLaterScoresAtTheClickAndClearsASecondAfter) {
  inMatch(0, 1);
  game.form1.mjug = "    Jug: 8     ";
  game.form1.mpc = "     PC: 2     ";
  playerWinsTheRound();
  ASSERT_TRUE(game.form2.visible);
  EXPECT_EQ(game.form1.mjug, "    Jug: 8     ");

  acknowledgeRoundWon(game, Side::Player);
  EXPECT_FALSE(game.form2.visible);
  EXPECT_EQ(game.form1.mjug, "    Jug: 10   ");
  EXPECT_EQ(game.form1.mpc, "     PC: 2     ");
  EXPECT_EQ(boardOf(game.form1.panel), "111 00. ...");

  random.add({ScriptedRandom::forCoin(0)});  // the computer opens the next round, in the centre
  game.clock.advance(999);
  EXPECT_EQ(boardOf(game.form1.panel), "111 00. ...");
  game.clock.advance(1);
  EXPECT_EQ(boardOf(game.form1.panel), "... ... ...");
}

TEST_F(RoundOutcome, AnAcknowledgementOfAClosedWindowIsIgnored) {
  inMatch(1, 2);
  const auto before = snapshotOf(game.form1);
  acknowledgeRoundWon(game, Side::Player);
  acknowledgeRoundWon(game, Side::Matrix);
  acknowledgeDraw(game);
  acknowledgeMatchResult(game);
  EXPECT_EQ(snapshotOf(game.form1), before);
  EXPECT_FALSE(game.clock.nextDeadline());
}

TEST_F(RoundOutcome, TheComputersWinIsWorthTwoButNineStaysNine) {
  inMatch(0, 0);
  game.form1.mpc = "     PC: 9     ";
  computerWinsTheRound();
  acknowledgeRoundWon(game, Side::Matrix);
  EXPECT_EQ(game.form1.mpc, "     PC: 9     ");
}

TEST_F(RoundOutcome, AfterAWinThePlayerOpensWhenTheComputerOpenedTheRoundJustPlayed) {
  for (int openings : {0, 2, 4}) {
    inMatch(1, openings);
    computerWinsTheRound();
    game.form1.panel.setText(Text21, "");
    acknowledgeRoundWon(game, Side::Matrix);
    game.clock.advance(1000);
    EXPECT_EQ(game.form1.label1, "Comenzá vos");
    EXPECT_EQ(field(Text21), "5");
    EXPECT_EQ(field(Text27), "0");
    EXPECT_EQ(field(Text28), "") << "the computer's line no longer locks the board";
    EXPECT_EQ(field(Text25), std::to_string(openings + 1));
    EXPECT_EQ(field(Text22), "2");
    EXPECT_FALSE(game.form1.timer2.isEnabled());
  }
}

TEST_F(RoundOutcome, AfterAWinTheComputerOpensWhenThePlayerOpenedTheRoundJustPlayed) {
  inMatch(2, 3);
  playerWinsTheRound();
  acknowledgeRoundWon(game, Side::Player);
  random.add({ScriptedRandom::forCoin(1), ScriptedRandom::forCell(3)});
  game.clock.advance(1000);
  EXPECT_EQ(game.form1.label1, "Comienzo yo");
  EXPECT_EQ(field(Text20), "3");
  EXPECT_TRUE(game.form1.timer2.isEnabled());
  EXPECT_EQ(field(Text25), "4");
  EXPECT_EQ(field(Text22), "3");
}

TEST_F(RoundOutcome, TheNextRoundKeepsTheOpeningCellAndThePiecesTops) {
  inMatch(0, 0);
  computerWinsTheRound();
  const auto before = game.form1.pictures;
  acknowledgeRoundWon(game, Side::Matrix);
  game.clock.advance(1000);
  EXPECT_EQ(field(Text20), "7");
  for (std::size_t n = 0; n < 10; ++n) {
    EXPECT_EQ(game.form1.pictures[n].top, before[n].top);
    EXPECT_EQ(game.form1.pictures[n].left, kParkingLefts[n]);
  }
  for (Field f : {Text23, Text24, Text26}) EXPECT_EQ(field(f), "0");
}

TEST_F(RoundOutcome, AWonFifthRoundShowsTheResultAndStartsNoSixthRound) {
  inMatch(4, 5);  // the player opened the fifth round
  game.form1.mjug = "    Jug: 6     ";
  game.form1.mpc = "     PC: 2     ";
  computerWinsTheRound();
  game.form1.panel.setText(Text21, "");
  game.form1.label1 = "";
  acknowledgeRoundWon(game, Side::Matrix);
  game.clock.advance(1000);

  EXPECT_TRUE(game.form4.visible);
  EXPECT_EQ(game.form4.label2, "4");
  EXPECT_EQ(game.form4.label3, "6");
  EXPECT_EQ(boardOf(game.form1.panel), "... ... ...");
  EXPECT_EQ(field(Text28), "") << "cleared, or the next match would start locked";
  EXPECT_EQ(field(Text22), "5");
  EXPECT_EQ(field(Text25), "5") << "no sixth round is counted";
  EXPECT_EQ(game.form1.label1, "");
  EXPECT_EQ(field(Text27), "1") << "the board stays shut behind the result";
  EXPECT_FALSE(game.clock.nextDeadline()) << "no opening piece is on its way";
}

TEST_F(RoundOutcome, ADrawGivesEachSideAPointUnlessItHasNine) {
  inMatch(1, 1);
  game.form1.mjug = "    Jug: 9     ";
  game.form1.mpc = "     PC: 4     ";
  roundIsDrawn();
  acknowledgeDraw(game);
  EXPECT_FALSE(game.form5.visible);
  EXPECT_EQ(game.form1.mjug, "    Jug: 9     ");
  EXPECT_EQ(game.form1.mpc, "     PC: 5     ");
}

TEST_F(RoundOutcome, AfterADrawTheNextRoundStartsButTheLineLockIsLeftAlone) {
  inMatch(1, 2);
  roundIsDrawn();
  game.form1.panel.setText(Text28, "x");
  acknowledgeDraw(game);
  game.clock.advance(1000);
  EXPECT_EQ(boardOf(game.form1.panel), "... ... ...");
  EXPECT_EQ(field(Text22), "2");
  EXPECT_EQ(field(Text25), "3");
  EXPECT_EQ(game.form1.label1, "Comenzá vos");
  EXPECT_EQ(field(Text28), "x");
}

TEST_F(RoundOutcome, ADrawnFifthRoundShowsTheResultAndStops) {
  inMatch(4, 5);
  roundIsDrawn();
  game.form1.mjug = "    Jug: 4     ";
  game.form1.mpc = "     PC: 4     ";
  acknowledgeDraw(game);
  game.clock.advance(1000);
  EXPECT_TRUE(game.form4.visible);
  EXPECT_EQ(game.form4.label2, "5");
  EXPECT_EQ(game.form4.label3, "5");
  EXPECT_EQ(boardOf(game.form1.panel), "... ... ...");
  EXPECT_EQ(field(Text25), "5");
  EXPECT_FALSE(game.clock.nextDeadline());
}

TEST_F(RoundOutcome, TheResultShowsKnownTotalsAndLeavesUnknownCaptionsBlank) {
  game.form1.mpc = "     PC: 10   ";
  game.form1.mjug = "    Jug: 0     ";
  showMatchResult(game);
  EXPECT_EQ(game.form4.label2, "10");
  EXPECT_EQ(game.form4.label3, "0");

  game.form1.mjug = "Jug: 3";
  showMatchResult(game);
  EXPECT_EQ(game.form4.label3, "");
}

TEST_F(RoundOutcome, AcknowledgingTheResultReadiesTheMainWindowForANewMatch) {
  inMatch(5, 5);
  setPosition(game.form1, "011 100 110");
  for (Field f : {Text21, Text23, Text24, Text26, Text27, Text28}) game.form1.panel.setText(f, "x");
  game.form1.label1 = "Comienzo yo";
  game.form1.mjug = "    Jug: 6     ";
  showMatchResult(game);
  acknowledgeMatchResult(game);

  EXPECT_FALSE(game.form4.visible);
  EXPECT_TRUE(game.form1.command5Visible);
  EXPECT_EQ(game.form1.label1, "");
  for (int f = 1; f <= 20; ++f) EXPECT_EQ(field(static_cast<Field>(f)), "") << "Text" << f;
  for (Field f : {Text22, Text23, Text24, Text26}) EXPECT_EQ(field(f), "0");
  EXPECT_EQ(field(Text25), "");
  for (Field f : {Text21, Text27, Text28}) EXPECT_EQ(field(f), "x") << "kept";
  EXPECT_EQ(game.form1.mjug, "    Jug: 6     ") << "until the next match starts";
}

}  // namespace
}  // namespace quimbo::test
