// The state panel of the main window: the 28 text fields that hold everything the game knows.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace quimbo {

// What each field holds while a match runs:
//   Text1..Text9    board cells, row by row from the top left: "1" player, "0" computer, "" empty
//   Text10..Text14  flags of the computer's pieces Picture1..Picture5: "" in hand, "1" on the board
//   Text15..Text19  flags of the player's pieces Picture6..Picture10
//   Text20          the computer's opening cell, "1".."9", or ""
//   Text21          first-reply marker: "5" from a round the player opens until the computer
//                   answers
//   Text22          rounds played in the match
//   Text23, Text24  move flags of the winning and the blocking stage ("1" when they placed a piece)
//   Text25          opening counter: odd while the player opened the round, even for the computer
//   Text26          the computer's counted moves in the round
//   Text27          board lock: "1" while the player may not move
//   Text28          line lock: "0" once the computer has completed a line in the round
// Every value is text and every test is an exact, case-sensitive string compare.
enum class Field {
  Text1 = 1, Text2, Text3, Text4, Text5, Text6, Text7, Text8, Text9,
  Text10, Text11, Text12, Text13, Text14,
  Text15, Text16, Text17, Text18, Text19,
  Text20, Text21, Text22, Text23, Text24, Text25, Text26, Text27, Text28,
};

inline constexpr int kFieldCount = 28;

// Who opened the round, by the opening counter Text25 (1, 3, 5: the player; 0, 2, 4: the
// computer); any other value matches neither.
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
