// The program around the game: the splash's three seconds, the credits, leaving, and the link.
#include <gtest/gtest.h>

#include <functional>

#include "game/match_start.h"
#include "game/menus.h"
#include "game/player_move.h"
#include "info/splash.h"
#include "support/form1_snapshot.h"
#include "support/recording_platform.h"
#include "support/scripted_random.h"

namespace quimbo::test {
namespace {

using enum Field;

class Program : public testing::Test {
protected:
  ScriptedRandom random;
  RecordingPlatform platform;
  Game game{random, platform};
};

TEST_F(Program, TheMainWindowAppearsOnlyAfterThreeSecondsOfSplash) {
  startProgram(game);
  EXPECT_TRUE(game.form6.visible);
  EXPECT_FALSE(game.form1Visible);
  game.clock.advance(2999);
  EXPECT_TRUE(game.form6.visible);
  EXPECT_FALSE(game.form1Visible);
  game.clock.advance(1);
  EXPECT_FALSE(game.form6.visible);
  EXPECT_TRUE(game.form1Visible);
  EXPECT_FALSE(game.clock.nextDeadline()) << "the splash timer runs once";
  EXPECT_TRUE(game.form1.command5Visible) << "the main window starts as it was designed";
}

TEST_F(Program, TheCreditsShowOnceHoweverOftenTheyAreAskedForAndChangeNothingElse) {
  startProgram(game);
  game.clock.advance(3000);
  random.add({ScriptedRandom::forCoin(1)});
  pressCommand5(game.form1, random);
  const auto during = snapshotOf(game.form1);
  chooseSobre(game);
  chooseSobre(game);
  EXPECT_TRUE(game.form7.visible);
  EXPECT_EQ(snapshotOf(game.form1), during);
  pressAceptar(game);
  EXPECT_FALSE(game.form7.visible);
  clickImage(game.form1, 3);
  EXPECT_EQ(game.form1.panel.text(Text5), "1") << "the game went on behind the credits";
}

TEST_F(Program, LeavingEndsTheProgramAtOnce) {
  chooseSalir(game);
  EXPECT_EQ(platform.quits, 1);
  EXPECT_TRUE(game.ended);
}

TEST_F(Program, TheLinkOpensThePartnerSiteOncePerClick) {
  clickImage10(game);
  clickImage10(game);
  ASSERT_EQ(platform.opened.size(), 2u);
  EXPECT_EQ(platform.opened[0], kPartnerSiteAddress);
  EXPECT_FALSE(game.browserNoticeVisible);
}

TEST_F(Program, ALinkWithoutABrowserSaysSoAndTheGameCarriesOn) {
  platform.browserWorks = false;
  random.add({ScriptedRandom::forCoin(1)});
  pressCommand5(game.form1, random);
  const auto before = snapshotOf(game.form1);
  clickImage10(game);
  EXPECT_TRUE(game.browserNoticeVisible);
  EXPECT_EQ(snapshotOf(game.form1), before);
  EXPECT_FALSE(game.ended);
  dismissBrowserNotice(game);
  EXPECT_FALSE(game.browserNoticeVisible);
}

}  // namespace
}  // namespace quimbo::test
