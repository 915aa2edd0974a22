// The rules around the computer's move, told as stories of play.
#include <gtest/gtest.h>

#include <array>
#include <cstddef>
#include <initializer_list>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "core/game.h"
#include "core/model/random.h"
#include "core/model/windows.h"
#include "support/game_text.h"
#include "support/recording_platform.h"
#include "support/scripted_random.h"
#include "support/story.h"

namespace quimbo::test {
namespace {

using Rules = Story;

// A free cell takes the player's next piece, clears the status line and locks the board until the
// computer answers a second later; the fifth piece that fills the board is a draw.
TEST_F(Rules, AFreeCellTakesThePlayersPieceAndArmsWhatFollows) {
  story({{"board 0.. ... ...", ""}, {"status Comenzá vos", ""},
         {"click 6", "board=0.. ..1 ...|PlayerPieceOnBoard1=1|BoardLock=1|status=|armed=computerMove"},
         {"wait 500", "news=Pusiste tu ficha en la casilla central derecha."},  // nothing new to tell
         {"board 101 100 01.", ""}, {"click 9", "armed=announceDraw"},
         {"board .01 100 01.", ""}, {"click 9", "armed=computerMove"}});  // top left free: no draw
}

TEST_F(Rules, AClickThatIsNotAllowedChangesNothingButTellsWhy) {
  const std::pair<const char*, const char*> kRefusals[] = {
      {"board ... ... ...|set BoardLock=0", ""},
      {"board ... .1. ...", "Ocupada."},
      {"board ... .0. ...", "Ocupada."},
      {"board ... .1. ...|set BoardLock=1", "Ocupada."},  // taken outranks the computer's second
      {"board ... ... ...|set BoardLock=1", "No es tu turno."},      // the computer's second
      {"board ... ... ...|set ComputerLine=0", "No es tu turno."}};  // the computer's line
  for (const auto& [arrange, hint] : kRefusals) {
    std::istringstream steps(arrange);
    for (std::string step; std::getline(steps, step, '|');) run(step);
    if (!*hint) main.startButtonVisible = true;  // no match runs
    const std::string before = stateOf(main);
    const std::string why = *hint ? hint : "Todavía no hay partida: pulsá Jugar.";
    const auto heard = game.news.number;
    story({{"click 5", "hint5=" + why + "|news=" + why}});
    EXPECT_EQ(game.news.number, heard + 1) << why << ": told again";
    EXPECT_EQ(stateOf(main), before) << why;
  }
  story({{"set ComputerLine=", "hint5="}, {"status Comenzá vos", ""},  // playable: nothing to tell
         {"click 5", "board=... .1. ...|news=Pusiste tu ficha en la casilla central."}});
  story({{"board 1.. ... ...", ""}, {"click 1", "news=Ocupada."}});
}

TEST_F(Rules, AMatchStartsFromJugarAndACoinPicksWhoOpens) {
  setPosition(main, "010 110 0..");
  main.startButtonVisible = true;
  story({{"playerScore     Jug: 4     ", ""}, {"coins 1", ""},  // the player opens
         {"jugar",
          "board=... ... ...|status=Comenzá vos|playerScore=    Jug: 0     "
          "|computerScore=     PC: 0     |parked=yes|shown=|PlayerPieceOnBoard5=|OpeningCell="
          "|FirstReplyMarker=5|OpeningCounter=1|ComputerMoves=0|BoardLock=0"
          "|news=Comenzá vos. Puntos: PC 0, vos 0."}});
  main.startButtonVisible = true;
  story({{"coins 0 1", ""}, {"cells 2", ""}, {"coins 1", ""}, {"cells 9", ""},  // an edge: again
         {"jugar", "OpeningCounter=0|OpeningCell=9|BoardLock=1|status=Comienzo yo|news=Comienzo yo."},
         {"click 5", "board=... ... ..."},  // the board waits for the opening piece
         {"wait 999", "board=... ... ..."},
         {"wait 1", "board=... ... ..0|ComputerPieceOnBoard1=1|BoardLock=0|status=Comienzo yo"
                    "|news=La PC jugó en la casilla inferior derecha."}});
  EXPECT_EQ(main.pieces[0], (Point{2260, 2260})) << "the computer's first piece";
}

// Who opens the next round, and what the click on an announcement and the next round leave behind.
TEST_F(Rules, TheNextRoundComesASecondAfterTheClickWithItsCountersReset) {
  const std::string kRound =
      "set RoundsPlayed=1 OpeningCell=7 FirstReplyMarker= ComputerMoves=2 BoardLock=1 OpeningCounter=";
  story({{"board 110 00. 1..", ""},
         {kRound + "3 ComputerLine=0", ""},  // the computer's line locks the board
         {"arm announceComputerWin", "shown="}, {"wait 1000", "shown=computerWon"},
         {"pc", "shown=|board=110 00. 1..|news=Puntos: PC 2, vos 0."},
         {"coins 0", ""}, {"wait 999", "board=110 00. 1.."},
         {"wait 1",
          "board=... ... ...|status=Comienzo yo|parked=yes|RoundsPlayed=2|OpeningCounter=4"
          "|ComputerMoves=0|OpeningCell=5|BoardLock=1|ComputerLine="},
         {"board 101 110 010", ""}, {kRound + "4", ""}, {"arm announceDraw", ""},
         {"wait 1000", "shown=draw"}, {"draw", "shown="},
         {"wait 1000",
          "board=... ... ...|status=Comenzá vos|parked=yes|RoundsPlayed=2|OpeningCounter=5"
          "|ComputerMoves=0|OpeningCell=7|FirstReplyMarker=5|BoardLock=0"}});
}

// Three matches lead the captions through every form a match reaches: five draws, five computer
// wins, a draw before four wins. Four blanks before the player's points, five before the
// computer's; five after them, but three after a 10.
TEST_F(Rules, EveryScoreCaptionReadsExactly) {
  const auto padded = [](int n) { return std::to_string(n) + (n < 10 ? "     " : "   "); };
  for (const std::string rounds : {"=====", "00000", "=0000"}) {
    main.startButtonVisible = true;
    story({{"set RoundsPlayed=0", ""}, {"jugar", ""}});
    int computer = 0, player = 0;
    for (const char round : rounds) {
      (round == '=' ? game.draw : game.computerWon).visible = true;
      computer += round == '=' ? 1 : 2;
      player += round == '=' ? 1 : 0;
      story({{round == '=' ? "draw" : "pc", "computerScore=     PC: " + padded(computer) +
                                                "|playerScore=    Jug: " + padded(player)},
             {"wait 1000", ""}});
    }
  }
}

// Nothing changes from a window that is not showing (the board behind the splash), nor, but the
// time passing, after leaving.
TEST_F(Rules, NothingChangesBehindTheSplashOrAfterLeaving) {
  Game fresh(random, platform);
  story({{"arm computerMove", ""}, {"salir", ""}});
  for (Game* g : {&fresh, &game}) {
    const auto everything = [&] {
      return stateOf(g->mainWindow) + g->news.text + std::to_string(g->credits.visible) +
             std::to_string(g->browserNotice.visible) + std::to_string(platform.opened.size()) +
             std::to_string(platform.quits);
    };
    const std::string before = everything();
    for (const Input input : kEveryInput) handle(*g, input);
    if (g == &game) handle(game, Input::timePasses(5000));
    EXPECT_EQ(everything(), before) << (g == &game ? "after leaving" : "behind the splash");
  }
}

// The splash gives way to the board after three seconds, which invites the player to start.
TEST_F(Rules, TheSplashGivesWayToTheBoardAfterThreeSeconds) {
  Game fresh(random, platform);
  handle(fresh, Input::timePasses(2999));
  EXPECT_TRUE(fresh.splash.visible && !fresh.mainWindow.visible && fresh.news.text.empty());
  handle(fresh, Input::timePasses(1));
  EXPECT_TRUE(!fresh.splash.visible && fresh.mainWindow.visible && fresh.news.text == "Pulsá Jugar para empezar.");
}

// The credits open once, whatever the game is doing, which goes on behind them.
TEST_F(Rules, TheCreditsOpenOnceWhateverTheGameIsDoingAndCloseWithAceptar) {
  story({{"arm computerMove", ""},
         {"sobre", "shown=credits|armed=computerMove"},
         {"sobre", "shown=credits"},
         {"aceptar", "shown="}});
}

// The banner opens the partner site at each click; only an opener that reports failing, or none
// at all, brings the notice.
TEST_F(Rules, TheBannerOpensThePartnerSiteOnceAClickAndSaysWhenNoBrowserCame) {
  story({{"banner", "shown="}, {"failed", "shown=notice"}, {"dismiss", "shown="}, {"banner", ""}});
  EXPECT_EQ(platform.opened, std::vector<std::string>(2, "https://www.rinconludico.example/"));
  platform.browserStarts = false;
  story({{"banner", "shown=notice"}});
}

// Who opens a match is a fair coin, and the computer opens in the centre five times in seven and
// in each corner once in fourteen: counted on the board over thousands of seeded match starts.
TEST(Chance, WhoOpensIsAFairCoinAndTheComputerOpensMostlyInTheCentre) {
  SeededRandom random(20261208);
  RecordingPlatform platform;
  std::array<int, 10> opened{};  // the computer's opening cell, or 0 when the player opens
  for (int match = 0; match < 7000; ++match) {
    Game game(random, platform);
    handle(game, Input::timePasses(kSplashTime));
    handle(game, {Action::PressStart});
    handle(game, Input::timePasses(1000));
    const std::size_t at = boardOf(game.mainWindow.panel).find('0');  // as "... .0. ..."
    ++opened[at == std::string::npos ? 0 : at - at / 4 + 1];
  }
  EXPECT_NEAR(opened[0], 3500, 150) << "the player opens";
  EXPECT_NEAR(opened[5], 2500, 100) << "the computer in the centre";
  for (const std::size_t corner : {1, 3, 7, 9}) EXPECT_NEAR(opened[corner], 250, 60) << corner;
}

// Timers tick in the order of their deadlines, equal ones in the order they were armed; enabling
// one that runs does not put it off, and nothing is due once all are off.
TEST(Clock, TimersTickInDeadlineOrderUntilTheyAreDisabled) {
  Clock clock;
  Timer slow(clock, 3000), first(clock, 1000), second(clock, 1000);
  std::string ticks;
  for (auto [timer, name] : {std::pair{&slow, 'S'}, {&first, 'F'}, {&second, '2'}}) {
    timer->onTick([&ticks, t = timer, n = name] { ticks += n, t->disable(); });
  }
  clock.advance(500);
  slow.enable(), second.enable(), first.enable();
  clock.advance(300);
  first.enable();
  clock.advance(700);
  EXPECT_EQ(ticks, "2F");
  clock.advance(2000);
  EXPECT_TRUE(ticks == "2FS" && !clock.nextDeadline());
}

}  // namespace
}  // namespace quimbo::test
