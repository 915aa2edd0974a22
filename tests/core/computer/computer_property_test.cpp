// Over thousands of rounds of legal play, every move of the computer keeps the rules: it wins when
// it can, it writes only an empty cell, and it places exactly one piece.
#include <gtest/gtest.h>

#include <random>

#include "computer/computer_player.h"
#include "computer/patterns.h"
#include "game/player_move.h"
#include "support/board_text.h"
#include "support/positions.h"

namespace quimbo::test {
namespace {

using enum Field;

int imageOf(int cell) { return kCellPlaces[static_cast<std::size_t>(cell - 1)].clickTarget; }

// A round as the game starts it, with either side opening.
void startRound(Form1& form, std::mt19937_64& choice) {
  form.command5Visible = false;
  form.panel.setText(Text26, "0");
  form.panel.setText(Text27, "0");
  const int round = static_cast<int>(choice() % 5);
  if (choice() % 2) {
    form.panel.setNumber(Text25, round | 1);  // odd: the player opens
    form.panel.setText(Text21, "5");
  } else {
    form.panel.setNumber(Text25, round & ~1);  // even: the computer opened
    const int openings[] = {1, 3, 5, 7, 9};
    form.putPiece(kComputerPieces[0], openings[choice() % 5], Side::Matrix);
  }
}

// The cell a computer piece stands on, or 0 when it stands off the board.
int cellUnder(const Form1& form, int picture) {
  for (int cell = 1; cell <= 9; ++cell) {
    if (piecePlace(cell, Side::Matrix) == form.picture(picture)) return cell;
  }
  return 0;
}

// Where a cell is written in a board string "xxx xxx xxx".
std::size_t displayIndex(int cell) { return static_cast<std::size_t>(cell - 1 + (cell - 1) / 3); }

int randomEmptyCell(const StatePanel& panel, std::mt19937_64& choice) {
  std::vector<int> empty;
  for (int cell = 1; cell <= 9; ++cell) {
    if (isEmptyCell(panel, cell)) empty.push_back(cell);
  }
  return empty[choice() % empty.size()];
}

TEST(ComputerPlayer, EveryMoveInLegalPlayKeepsTheRules) {
  for (std::uint64_t seed = 1; seed <= 3000; ++seed) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    SeededRandom chance(seed);
    std::mt19937_64 choice(seed);
    Clock clock;
    Form1 form(clock);
    form.timer1.onTick([&] { pressCommand3(form, chance); });
    startRound(form, choice);

    for (int move = 0; move < 5; ++move) {
      clickImage(form, imageOf(randomEmptyCell(form.panel, choice)));
      if (!form.timer1.isEnabled()) break;  // the player's move ended the round

      const std::string before = boardOf(form.panel);
      const int piecesBefore = piecesUsed(form.panel, Side::Matrix);
      const bool canWin = form.panel.number(Text21) != 5 &&
                          firstOpenPattern(form.panel, "0").has_value() && piecesBefore < 5;
      clock.advance(1000);
      const std::string after = boardOf(form.panel);

      int placed = 0;
      for (std::size_t i = 0; i < before.size(); ++i) {
        if (before[i] == after[i]) continue;
        ASSERT_EQ(before[i], '.') << before << " -> " << after << ": wrote an occupied cell";
        ASSERT_EQ(after[i], '0');
        ++placed;
      }
      ASSERT_EQ(placed, 1) << before << " -> " << after;
      ASSERT_EQ(piecesUsed(form.panel, Side::Matrix), piecesBefore + 1);
      const PieceSlot used = kComputerPieces[static_cast<std::size_t>(piecesBefore)];
      const int cell = cellUnder(form, used.picture);
      ASSERT_NE(cell, 0);
      ASSERT_EQ(after[displayIndex(cell)], '0')
          << "the piece stands on the cell it marked";
      if (canWin) {
        ASSERT_TRUE(hasLine(form.panel, Side::Matrix)) << before << " -> " << after;
      }
      ASSERT_FALSE(form.timer1.isEnabled());
      if (form.timer4.isEnabled() || form.timer5.isEnabled()) break;
    }
  }
}

}  // namespace
}  // namespace quimbo::test
