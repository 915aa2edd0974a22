// Reading and writing the game as text.
#include "support/game_text.h"

#include <sstream>

#include "core/game.h"
#include "core/glossary.h"
#include "core/model/state_panel.h"

namespace quimbo::test {

namespace {

// The lines of three, as anyone draws them: rows, columns, diagonals.
constexpr int kLines[8][3] = {{1, 2, 3}, {4, 5, 6}, {7, 8, 9}, {1, 4, 7},
                              {2, 5, 8}, {3, 6, 9}, {1, 5, 9}, {3, 5, 7}};

std::string cellsOf(std::string_view board) {
  std::string cells;
  for (char c : board) cells += c == ' ' ? "" : std::string(1, c);
  return cells;
}

}  // namespace

void setPosition(MainWindowState& main, std::string_view board) {
  const std::string cells = cellsOf(board);
  main.parkPieces();
  main.panel.clear(Field::ComputerPieceOnBoard1, Field::PlayerPieceOnBoard5);
  for (int cell = 1; cell <= 9; ++cell) {
    const char c = cells[static_cast<std::size_t>(cell - 1)];
    main.panel.setText(cellField(cell), c == '.' ? "" : std::string(1, c));
    const Side side = c == '0' ? Side::Computer : Side::Player;
    if (c != '.') main.putPiece(*firstPieceInHand(main.panel, side), cell, side);
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
  const std::string c = cellsOf(board);
  for (const auto& [a, b, d] : kLines) {
    if (c[a - 1] != '.' && c[a - 1] == c[b - 1] && c[a - 1] == c[d - 1]) return c[a - 1];
  }
  return std::nullopt;
}

bool isFull(std::string_view board) { return cellsOf(board).find('.') == std::string::npos; }

std::string winningCells(std::string_view board, char mark) {
  std::string cells = cellsOf(board), found;
  for (std::size_t at = 0; at < 9; ++at) {
    if (cells[at] != '.') continue;
    cells[at] = mark;
    if (lineOn(cells) == mark) found += static_cast<char>('1' + at);
    cells[at] = '.';
  }
  return found;
}

int pointsIn(const std::string& caption) {
  return std::stoi(caption.substr(caption.find(':') + 1));
}

std::string stateOf(const MainWindowState& main) {
  std::ostringstream out;
  for (int f = 1; f <= kFieldCount; ++f) out << '"' << main.panel.text(static_cast<Field>(f)) << '"';
  for (const Point& at : main.pieces) out << ' ' << at.left << ',' << at.top;
  out << " |" << main.status << '|' << main.computerScore << '|' << main.playerScore << '|'
      << main.startButtonVisible;
  for (const auto& entry : glossary::kTimers) out << (main.*entry.timer).isEnabled();
  return out.str();
}

void playersTurn(Game& game, std::string_view board) {
  if (game.splash.visible) handle(game, Input::timePasses(kSplashTime));
  MainWindowState& main = game.mainWindow;
  for (const auto& entry : glossary::kTimers) (main.*entry.timer).disable();
  main.startButtonVisible = false;
  main.panel.setText(Field::BoardLock, "0");
  main.panel.setText(Field::ComputerLine, "");
  setPosition(main, board);
}

}  // namespace quimbo::test
