// The computer's move judged from the board: every row of its line table and every preference as
// a situation, and a walk over every game the player can play against every outcome of chance.
#include <algorithm>
#include <array>
#include <cstddef>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "core/game.h"
#include "support/game_text.h"
#include "support/recording_platform.h"
#include "support/scripted_random.h"
#include "support/story.h"

namespace quimbo::test {
namespace {

struct Situation { const char* board; int target; };  // and where the computer's piece goes

// The line table row by row, then a pair of lines for each pair tried one after the other (top
// row, left column, bottom row, right column, both diagonals, middle row and column): the first wins.
constexpr Situation kLines[] = {
    {"00. ... ...", 3}, {".00 ... ...", 1}, {"0.0 ... ...", 2},
    {"0.. 0.. ...", 7}, {"... 0.. 0..", 1}, {"0.. ... 0..", 4},
    {"... ... 00.", 9}, {"... ... .00", 7}, {"... ... 0.0", 8},
    {"... ..0 ..0", 3}, {"..0 ..0 ...", 9}, {"..0 ... ..0", 6},
    {"0.. .0. ...", 9}, {"... .0. ..0", 1}, {"0.. ... ..0", 5},
    {"... .0. 0..", 3}, {"..0 .0. ...", 7}, {"..0 ... 0..", 5},
    {"... 00. ...", 6}, {"... .00 ...", 4}, {"... 0.0 ...", 5},
    {".0. .0. ...", 8}, {"... .0. .0.", 2}, {".0. ... .0.", 5},
    {"00. 0.. ...", 3}, {"0.. ... 00.", 4}, {"..0 ... 0.0", 8}, {"... .00 ..0", 3},
    {"010 .0. ...", 9}, {"1.. 00. 0..", 3}, {".0. 00. ...", 6},
};

// A situation with the sides' marks swapped: the player's threats, for "Defensa".
std::string swapped(std::string board) {
  for (char& c : board) c = c == '0' ? '1' : c == '1' ? '0' : c;
  return board;
}

std::string withComputerOn(std::string board, int cell) {
  board[boardIndex(cell)] = '0';
  return board;
}

class ComputerPlayer : public Story {
 protected:
  // A second after the player's move on `board`, its counters so, the computer's three stages.
  void answers(const std::string& board, const std::string& counters, const std::string& shows) {
    story({{"board " + board, ""},
           {"set BoardLock=1 " + counters, ""},
           {"arm computerMove", ""},
           {"wait 1000", shows}});
  }
};

TEST_F(ComputerPlayer, CompletesItsOwnLinesAndBlocksThePlayersByTheSameTable) {
  for (const Situation& s : kLines) {  // locked on its line, its move not counted
    const std::string counters = "OpeningCounter=0 ComputerMoves=2 FirstReplyMarker=";
    answers(s.board, counters,
            "board=" + withComputerOn(s.board, s.target) +
                "|armed=announceComputerWin|ComputerLine=0|BoardLock=1|ComputerMoves=2");
    answers(swapped(s.board), counters,
            "board=" + withComputerOn(swapped(s.board), s.target) +
                "|armed=|BoardLock=0|ComputerMoves=3");
  }
}

// Each rule of "Aleatorio": the opening counter (odd when the player opened), the computer's moves,
// the first-reply marker, what chance draws, and where the piece goes.
struct Preference { const char *rule, *board; int openings, moves; const char *marker, *draws; int target; };

const Preference kPreferences[] = {
    {"A1", ".1. 10. ...", 1, 1, "", "", 1},  {"A2", ".1. .01 ...", 3, 1, "", "", 3},
    {"A3", "... .01 .1.", 5, 1, "", "", 9},  {"A4", "... 10. .1.", 1, 1, "", "", 7},
    {"A5", "..1 10. ...", 1, 1, "", "", 1},  {"A6", "... 10. ..1", 1, 1, "", "", 7},
    {"A7", ".1. .0. ..1", 1, 1, "", "", 3},  {"A8", ".1. .0. 1..", 1, 1, "", "", 1},
    {"A9", "... .01 1..", 1, 1, "", "", 9},  {"A10", "1.. .01 ...", 1, 1, "", "", 3},
    {"A11", "1.. .0. .1.", 1, 1, "", "", 7}, {"A12", "..1 .0. .1.", 1, 1, "", "", 9},
    {"A13 draws until an edge", "1.. .0. ..1", 1, 1, "", "3 8", 8},
    {"A not when the computer opened: C", ".1. 10. ...", 2, 1, "", "6", 1},
    {"A not on a later move: C", ".1. .01 ...", 3, 2, "", "2", 1},
    {"C0 the centre", "1.. ... ...", 1, 0, "5", "2", 5},
    {"C0 not with the centre taken: C", "... .1. ...", 1, 0, "5", "2", 1},
    {"B1", "0.. .1. ...", 0, 0, "", "2", 9}, {"B2", "..0 .1. ...", 2, 0, "", "2", 7},
    {"B3", "... .1. 0..", 4, 0, "", "2", 3}, {"B4", "... .1. ..0", 0, 0, "", "2", 1},
    {"B5", "0.. ... .1.", 0, 0, "", "2", 5}, {"B6", "..0 1.. ...", 0, 0, "", "2", 5},
    {"B7", "... ..1 0..", 0, 0, "", "2", 5}, {"B8", ".1. ... ..0", 0, 0, "", "2", 5},
    {"B not on a later move: C", "0.. .1. ...", 0, 1, "", "2", 3},
    {"C whatever the counters", "1.. .1. ...", 6, 4, "5", "2", 3},
    {"C after the computer's own centre", "1.. .0. ...", 6, 2, "", "2", 3},
    {"C takes the corners in order", "101 .0. .1.", 5, 2, "", "2", 7},
    {"chance when no rule applies", "1.. ... .1.", 6, 2, "", "4 1 6", 6},
};

TEST_F(ComputerPlayer, FollowsEveryPreferenceRuleBeforeChance) {
  for (const Preference& p : kPreferences) {
    SCOPED_TRACE(p.rule);
    story({{std::string("cells ") + p.draws, ""}});
    answers(p.board,
            "OpeningCounter=" + std::to_string(p.openings) +
                " ComputerMoves=" + std::to_string(p.moves) + " FirstReplyMarker=" + p.marker,
            "board=" + withComputerOn(p.board, p.target) +
                "|FirstReplyMarker=|ComputerMoves=" + std::to_string(p.moves + 1));
    EXPECT_TRUE(random.usedUp()) << "every scripted draw is used";
  }
}

// The game's own source, reseeded before every draw as chance's retries do, many times within a
// microsecond: each cell comes up about a thousand times in nine thousand draws.
TEST(SystemRandom, DrawsEveryCellAboutEquallyOftenHoweverOftenReseeded) {
  SystemRandom system;
  std::array<int, 9> times{};
  for (int draw = 0; draw < 9000; ++draw, system.reseed()) ++times[drawCell(system) - 1];
  for (int cell = 1; cell <= 9; ++cell) EXPECT_NEAR(times[cell - 1], 1000, 250) << "cell " << cell;
}

// Runs `play` on a fresh game once for every way the first `draws` draws of chance can fall.
template <typename Play>
void everyChance(std::size_t draws, Play play) {
  std::vector<int> chosen;  // the cells the walk chose for the draws so far, 1..9
  do {
    ScriptedRandom chance;
    for (std::size_t draw = 0; draw < draws; ++draw)
      chance.cells({draw < chosen.size() ? chosen[draw] : 1});
    RecordingPlatform platform;
    Game game(chance, platform);
    play(game);
    chosen.resize(std::min(chance.taken(), draws), 1);
    while (!chosen.empty() && chosen.back() == 9) chosen.pop_back();
    if (!chosen.empty()) ++chosen.back();
  } while (!chosen.empty());
}

using Position = std::pair<StatePanel, std::array<Point, 10>>;

TEST(EveryGame, TheComputerNeverLosesWhateverThePlayerDoesAndChanceBrings) {
  std::map<std::string, Position> toVisit;
  std::set<std::string> visited;
  everyChance(3, [&](Game& game) {  // who opens, and where the computer does
    handle(game, Input::timePasses(kSplashTime));
    handle(game, {Action::PressStart});
    handle(game, Input::timePasses(1000));
    const MainWindowState& main = game.mainWindow;
    toVisit.emplace(boardOf(main.panel), Position(main.panel, main.pieces));
  });
  EXPECT_EQ(toVisit.size(), 6u) << "the player opens, or the computer in the centre or a corner";

  int roundsEnded = 0;
  while (!toVisit.empty()) {
    const Position position = toVisit.begin()->second;
    visited.insert(toVisit.begin()->first);
    toVisit.erase(toVisit.begin());
    for (int cell = 1; cell <= 9; ++cell) {
      everyChance(2, [&](Game& game) {
        playersTurn(game);
        MainWindowState& main = game.mainWindow;
        std::tie(main.panel, main.pieces) = position;
        handle(game, Input::clickCell(cell));
        ASSERT_FALSE(main.announcePlayerWin.isEnabled()) << "the player won on " << boardOf(main.panel);
        if (!main.computerMove.isEnabled()) {  // a taken cell, or a full board
          roundsEnded += main.announceDraw.isEnabled();
          return;
        }
        const std::string before = boardOf(main.panel);
        handle(game, Input::timePasses(1000));
        const std::string after = boardOf(main.panel);
        if (!winningCells(before, '0').empty()) {
          EXPECT_TRUE(lineOn(after) == '0' && main.announceComputerWin.isEnabled())
              << "a win left untaken: " << before << " -> " << after;
        } else {
          EXPECT_EQ(winningCells(after, '1'), "") << "a threat left open: " << before;
        }
        if (main.announceComputerWin.isEnabled() || main.announceDraw.isEnabled()) {
          ++roundsEnded;
        } else if (!visited.contains(stateOf(main))) {
          toVisit.emplace(stateOf(main), Position(main.panel, main.pieces));
        }
      });
    }
  }
  EXPECT_GT(roundsEnded, 100) << "the walk played whole rounds";
}

}  // namespace
}  // namespace quimbo::test
