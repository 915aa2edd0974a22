// Reading and writing the game as text.
#include "support/game_text.h"

#include <sstream>
#include <stdexcept>

namespace quimbo::test {

void setBoard(StatePanel& panel, std::string_view board) {
  int cell = 0;
  for (char c : board) {
    if (c == ' ') continue;
    if (++cell > 9 || (c != '1' && c != '0' && c != '.')) throw std::invalid_argument("bad board");
    panel.setText(cellField(cell), c == '.' ? "" : std::string(1, c));
  }
  if (cell != 9) throw std::invalid_argument("a board has nine cells");
}

std::string boardOf(const StatePanel& panel) {
  std::string board;
  for (int cell = 1; cell <= 9; ++cell) {
    const std::string& text = cellText(panel, cell);
    board += text.empty() ? '.' : text == "1" || text == "0" ? text[0] : '?';
    if (cell == 3 || cell == 6) board += ' ';
  }
  return board;
}

int changedCell(std::string_view before, std::string_view after) {
  int cell = 0;
  for (std::size_t at = 0; at < before.size() && at < after.size(); ++at) {
    if (before[at] == ' ') continue;
    ++cell;
    if (before[at] != after[at]) return cell;
  }
  return 0;
}

void setPosition(Form1& form, std::string_view board) {
  setBoard(form.panel, board);
  form.parkPieces();
  for (Side side : {Side::Matrix, Side::Player}) {
    for (const PieceSlot& piece : piecesOf(side)) form.panel.setText(piece.flag, "");
    for (int cell = 1; cell <= 9; ++cell) {
      const auto piece = firstPieceInHand(form.panel, side);
      if (piece && cellText(form.panel, cell) == markOf(side)) form.putPiece(*piece, cell, side);
    }
  }
}

std::string stateOf(const Form1& form) {
  std::ostringstream out;
  for (int f = 1; f <= kFieldCount; ++f)
    out << '"' << form.panel.text(static_cast<Field>(f)) << "\" ";
  for (const Point& at : form.pictures) out << at.left << ',' << at.top << ' ';
  out << form.label1 << '|' << form.mpc << '|' << form.mjug << '|' << form.command5Visible << '|'
      << enabledTimers(form);
  return out.str();
}

std::string enabledTimers(const Form1& form) {
  std::string enabled;
  for (const Timer* timer :
       {&form.timer1, &form.timer2, &form.timer3, &form.timer4, &form.timer5}) {
    enabled += timer->isEnabled() ? '1' : '.';
  }
  return enabled;
}

}  // namespace quimbo::test
