// Reading and writing the game as text.
#include "support/game_text.h"

#include <array>
#include <sstream>
#include <stdexcept>

namespace quimbo::test {

namespace {

// The lines of three, as anyone draws them: rows, columns, diagonals.
constexpr std::array<std::array<int, 3>, 8> kThreeInARow{{
    {1, 2, 3}, {4, 5, 6}, {7, 8, 9}, {1, 4, 7}, {2, 5, 8}, {3, 6, 9}, {1, 5, 9}, {3, 5, 7},
}};

std::string cellsOf(std::string_view board) {
  std::string cells;
  for (char c : board) {
    if (c != ' ') cells += c;
  }
  if (cells.size() != 9) throw std::invalid_argument("a board has nine cells");
  return cells;
}

}  // namespace

void setPosition(Form1& form, std::string_view board) {
  const std::string cells = cellsOf(board);
  form.parkPieces();
  for (Side side : {Side::Matrix, Side::Player}) {
    for (const PieceSlot& piece : piecesOf(side)) form.panel.setText(piece.flag, "");
  }
  for (int cell = 1; cell <= 9; ++cell) {
    const char c = cells[static_cast<std::size_t>(cell - 1)];
    form.panel.setText(cellField(cell), c == '.' ? "" : std::string(1, c));
    if (c == '.') continue;
    const Side side = c == '0' ? Side::Matrix : Side::Player;
    if (const auto piece = firstPieceInHand(form.panel, side)) form.putPiece(*piece, cell, side);
  }
}

std::string boardOf(const StatePanel& panel) {
  std::string board;
  for (int cell = 1; cell <= 9; ++cell) {
    const std::string& text = panel.text(cellField(cell));
    board += text.empty() ? '.' : text == "1" || text == "0" ? text[0] : '?';
    if (cell == 3 || cell == 6) board += ' ';
  }
  return board;
}

std::optional<char> lineOn(std::string_view board) {
  const std::string cells = cellsOf(board);
  for (const auto& line : kThreeInARow) {
    const char first = cells[static_cast<std::size_t>(line[0] - 1)];
    if (first != '.' && first == cells[static_cast<std::size_t>(line[1] - 1)] &&
        first == cells[static_cast<std::size_t>(line[2] - 1)]) {
      return first;
    }
  }
  return std::nullopt;
}

bool isFull(std::string_view board) { return cellsOf(board).find('.') == std::string::npos; }

std::string winningCells(std::string_view board, char mark) {
  std::string cells = cellsOf(board), found;
  for (int cell = 1; cell <= 9; ++cell) {
    if (cells[static_cast<std::size_t>(cell - 1)] != '.') continue;
    cells[static_cast<std::size_t>(cell - 1)] = mark;
    if (lineOn(cells) == mark) found += static_cast<char>('0' + cell);
    cells[static_cast<std::size_t>(cell - 1)] = '.';
  }
  return found;
}

int pointsIn(const std::string& caption) { return std::stoi(caption.substr(caption.find(':') + 1)); }

std::string stateOf(const Form1& form) {
  std::ostringstream out;
  for (int f = 1; f <= kFieldCount; ++f) out << '"' << form.panel.text(static_cast<Field>(f)) << '"';
  for (const Point& at : form.pictures) out << ' ' << at.left << ',' << at.top;
  out << " |" << form.label1 << '|' << form.mpc << '|' << form.mjug << '|' << form.command5Visible;
  for (const Timer* timer : {&form.timer1, &form.timer2, &form.timer3, &form.timer4, &form.timer5}) {
    out << timer->isEnabled();
  }
  return out.str();
}

void playersTurn(Game& game, std::string_view board) {
  if (game.form6.visible) handle(game, Input::timePasses(kSplashTime));
  Form1& form = game.form1;
  for (Timer* timer : {&form.timer1, &form.timer2, &form.timer3, &form.timer4, &form.timer5}) {
    timer->disable();
  }
  form.command5Visible = false;
  form.panel.setText(Field::Text27, "0");
  form.panel.setText(Field::Text28, "");
  setPosition(form, board);
}

}  // namespace quimbo::test
