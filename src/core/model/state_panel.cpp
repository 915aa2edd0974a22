// The state panel's fields and the way a field is read as a number.
#include "core/model/state_panel.h"

#include <initializer_list>

namespace quimbo {

namespace {
// Far beyond any count the game keeps, and far from the edge of the integer type.
constexpr std::int64_t kNumberLimit = 1'000'000'000'000'000'000;
}  // namespace

std::int64_t readNumber(std::string_view text) {
  std::size_t at = 0;
  while (at < text.size() && (text[at] == ' ' || text[at] == '\t')) ++at;

  bool negative = false;
  if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
    negative = text[at] == '-';
    ++at;
  }

  std::int64_t value = 0;
  for (; at < text.size() && text[at] >= '0' && text[at] <= '9'; ++at) {
    const int digit = text[at] - '0';
    if (value > (kNumberLimit - digit) / 10) {
      value = kNumberLimit;
      break;
    }
    value = value * 10 + digit;
  }
  return negative ? -value : value;
}

StatePanel::StatePanel() {
  using enum Field;
  for (Field counter : {RoundsPlayed, AttackPlaced, DefencePlaced, ComputerMoves}) {
    setText(counter, "0");
  }
}

void StatePanel::clear(Field first, Field last) {
  for (auto f = static_cast<int>(first); f <= static_cast<int>(last); ++f) {
    setText(static_cast<Field>(f), "");
  }
}

}  // namespace quimbo
