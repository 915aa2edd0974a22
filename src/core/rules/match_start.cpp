// Match start, opening choice and opening piece.
#include "core/rules/match_start.h"

#include <array>
#include <cstdint>
#include <string>

#include "core/model/board.h"
#include "core/model/board_state.h"
#include "core/model/clock.h"
#include "core/model/state_panel.h"
#include "core/rules/score_captions.h"

namespace quimbo {

namespace {

using enum Field;

int tossFreshCoin(Random& random) {
  random.reseed();
  return tossCoin(random);
}

// The computer opens: its opening cell, announced, its piece a second later.
void announceOpening(MainWindowState& main, int cell) {
  main.panel.setNumber(OpeningCell, cell);
  main.status = "Comienzo yo";
  main.openingPiece.enable();
}

}  // namespace

int chooseOpeningCell(Random& random) {
  while (true) {
    const int candidate = tossFreshCoin(random) == 0 ? 5 : drawCell(random);
    if (candidate % 2 == 1) return candidate;  // the centre or a corner; an edge is tossed again
  }
}

void startMatch(MainWindowState& main, Random& random) {
  if (!main.startButtonVisible) return;
  StatePanel& panel = main.panel;
  panel.setText(BoardLock, "1");  // the board stays locked while the match starts
  main.startButtonVisible = false;
  main.playerScore = scoreCaption(Side::Player, 0);
  main.computerScore = scoreCaption(Side::Computer, 0);
  panel.clear(Cell1, OpeningCell);
  panel.setText(ComputerMoves, "0");
  main.parkPieces();

  if (tossFreshCoin(random) == 0) {
    panel.setText(OpeningCounter, "0");
    announceOpening(main, chooseOpeningCell(random));
  } else {
    panel.setText(OpeningCounter, "1");
    invitePlayerToOpen(main);
  }
}

void computerOpens(MainWindowState& main, Random& random) {
  announceOpening(main, chooseOpeningCell(random));
}

void invitePlayerToOpen(MainWindowState& main) {
  main.status = "Comenzá vos";
  main.panel.setText(FirstReplyMarker, "5");
  main.panel.setText(BoardLock, "0");
}

void putOpeningPiece(MainWindowState& main) {
  main.openingPiece.disable();
  const std::int64_t cell = main.panel.number(OpeningCell);
  if (cell >= 1 && cell <= 9) {
    main.putPiece(kComputerPieces[0], static_cast<int>(cell), Side::Computer);
  }
  main.panel.setText(BoardLock, "0");
}

}  // namespace quimbo
