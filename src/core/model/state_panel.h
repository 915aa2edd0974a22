// The state panel of the main window: the 28 text fields that hold everything the game knows.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

namespace quimbo {

// What each field holds while a match runs. Every value is text and every test is an exact,
// case-sensitive string compare.
enum class Field {
  // The board, row by row from the top left: "1" the player's mark, "0" the computer's, "" empty.
  Cell1 = 1, Cell2, Cell3, Cell4, Cell5, Cell6, Cell7, Cell8, Cell9,
  // Whether each of a side's five pieces is on the board ("1") or still in hand ("").
  ComputerPieceOnBoard1, ComputerPieceOnBoard2, ComputerPieceOnBoard3, ComputerPieceOnBoard4,
  ComputerPieceOnBoard5,
  PlayerPieceOnBoard1, PlayerPieceOnBoard2, PlayerPieceOnBoard3, PlayerPieceOnBoard4,
  PlayerPieceOnBoard5,
  OpeningCell,       // where the computer's opening piece goes, "1".."9", or ""
  FirstReplyMarker,  // "5" from a round the player opens until the computer answers
  RoundsPlayed,      // rounds played in the match
  AttackPlaced,      // "1" when the computer's attack placed a piece, else "0"
  DefencePlaced,     // "1" when its defence placed a piece, else "0"
  OpeningCounter,    // odd while the player opened the round, even for the computer
  ComputerMoves,     // the computer's counted moves in the round
  BoardLock,         // "1" while the player may not move
  ComputerLine,      // "0" once the computer has completed a line in the round: the board is shut
};

inline constexpr int kFieldCount = 28;

// Who opened the round, by the opening counter (1, 3, 5: the player; 0, 2, 4: the computer); any
// other value matches neither.
constexpr bool playerOpenedRound(std::int64_t openings) {
  return openings == 1 || openings == 3 || openings == 5;
}
constexpr bool computerOpenedRound(std::int64_t openings) {
  return openings == 0 || openings == 2 || openings == 4;
}

// The field of board cell 1..9.
constexpr Field cellField(int cell) { return static_cast<Field>(cell); }

// A field read as a number: leading blanks skipped, an optional sign, then the leading decimal
// digits; 0 when the text does not start with a number. Absurdly long numbers saturate instead of
// overflowing, so adding one to what was read is always safe.
std::int64_t readNumber(std::string_view text);

class StatePanel {
 public:
  StatePanel();  // every field at its design-time text

  const std::string& text(Field field) const { return texts_[index(field)]; }
  void setText(Field field, std::string text) { texts_[index(field)] = std::move(text); }

  std::int64_t number(Field field) const { return readNumber(text(field)); }
  void setNumber(Field field, std::int64_t value) { setText(field, std::to_string(value)); }

  // Sets the fields first..last (inclusive) to "", in order.
  void clear(Field first, Field last);

 private:
  static std::size_t index(Field field) { return static_cast<std::size_t>(field) - 1; }

  std::array<std::string, kFieldCount> texts_;
};

}  // namespace quimbo
