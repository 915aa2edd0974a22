// How long one whole computer move takes: its timer's tick to the end of the chain of stages, on a
// few typical positions, with the game's own random source.
#include <array>
#include <benchmark/benchmark.h>
#include <optional>
#include <string>
#include <string_view>

#include "core/game.h"
#include "core/input.h"
#include "core/model/board.h"
#include "core/model/board_state.h"
#include "core/model/clock.h"
#include "core/model/game_state.h"
#include "core/model/main_window_state.h"
#include "core/model/platform.h"
#include "core/model/random.h"
#include "core/model/state_panel.h"
#include "core/model/windows.h"

namespace {

using namespace quimbo;
using enum Field;

struct Position {
  std::string_view board;  // "xxx xxx xxx"
  int openings;            // the opening counter
  int movesMade;           // the computer's counted moves
  const char* marker;      // the first-reply marker
};

void setUp(MainWindowState& main, const Position& position) {
  int cell = 0;
  for (char c : position.board) {
    if (c == ' ') continue;
    ++cell;
    const Side side = c == '0' ? Side::Computer : Side::Player;
    if (c == '.') {
      main.panel.setText(cellField(cell), "");
    } else if (const auto piece = firstPieceInHand(main.panel, side)) {
      main.putPiece(*piece, cell, side);
    }
  }
  main.startButtonVisible = false;
  main.panel.setNumber(OpeningCounter, position.openings);
  main.panel.setNumber(ComputerMoves, position.movesMade);
  main.panel.setText(FirstReplyMarker, position.marker);
  main.panel.setText(BoardLock, "1");
}

struct NoDesktop final : Platform {
  bool openUrl(const std::string&) override { return false; }
  void quit() override {}
};

// Each iteration puts the position back (a copy of 28 short strings and ten points, a small part
// of the time measured) and lets the computer's move timer tick.
void computerMove(benchmark::State& state, Position position) {
  SystemRandom random;
  NoDesktop desktop;
  Game game(random, desktop);
  handle(game, Input::timePasses(kSplashTime));  // past the splash
  MainWindowState& main = game.mainWindow;
  setUp(main, position);
  const StatePanel panel = main.panel;
  const auto pieces = main.pieces;
  for (auto _ : state) {
    main.panel = panel;
    main.pieces = pieces;
    main.computerMove.enable();
    handle(game, Input::timePasses(1000));
    main.announceComputerWin.disable();
    main.announceDraw.disable();
    benchmark::DoNotOptimize(main);  // the move, as the game holds it
  }
}

}  // namespace

BENCHMARK_CAPTURE(computerMove, first_reply_takes_the_centre, Position{"1.. ... ...", 1, 0, "5"});
BENCHMARK_CAPTURE(computerMove, completes_its_line, Position{"00. 11. 1..", 0, 2, ""});
BENCHMARK_CAPTURE(computerMove, blocks_a_threat, Position{"11. .0. ...", 1, 1, ""});
BENCHMARK_CAPTURE(computerMove, random_cell_of_six, Position{"1.0 ... .1.", 6, 1, ""});
BENCHMARK_CAPTURE(computerMove, random_retry_finds_the_last_cell,
                  Position{"101 10. 010", 6, 3, ""});

BENCHMARK_MAIN();
