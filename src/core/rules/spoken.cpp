// The game in Spanish words, for a screen reader.
#include "core/rules/spoken.h"

#include <array>
#include <cstddef>
#include <optional>

#include "core/model/board.h"
#include "core/model/board_state.h"
#include "core/rules/score_captions.h"

namespace quimbo {

namespace {

constexpr std::array<const char*, 9> kPlaces{
    "superior izquierda", "superior central",   "superior derecha", "central izquierda", "central",
    "central derecha",    "inferior izquierda", "inferior central", "inferior derecha",
};

const char* contents(const std::string& cell) {
  if (cell == markOf(Side::Player)) return "tu ficha";
  if (cell == markOf(Side::Computer)) return "ficha de la PC";
  return "vacía";  // any other text is a free cell to the player's clicks
}

std::string place(int cell) { return kPlaces[static_cast<std::size_t>(cell - 1)]; }

}  // namespace

std::string cellDescription(const StatePanel& panel, int cell) {
  return "Casilla " + place(cell) + ": " + contents(cellText(panel, cell));
}

std::string spokenRefusal(Refusal refusal) {
  switch (refusal) {
    case Refusal::None: return "";
    case Refusal::NoMatch: return "Todavía no hay partida: pulsá Jugar.";
    case Refusal::Occupied: return "Ocupada.";
    case Refusal::NotYourTurn: return "No es tu turno.";
  }
  return "";
}

std::string cellHint(const MainWindowState& main, int cell) {
  return spokenRefusal(refusalOf(main, cell));
}

Scene sceneOf(const MainWindowState& main) {
  return {main.visible, main.panel, main.status, main.computerScore, main.playerScore};
}

std::string newsBetween(const Scene& before, const MainWindowState& after) {
  std::string news;
  if (after.visible && !before.shown) news += "Pulsá Jugar para empezar. ";
  if (after.status != before.status && !after.status.empty()) news += after.status + ". ";
  for (int cell = 1; cell <= 9; ++cell) {  // a piece put down where there was none
    if (isOccupiedCell(before.panel, cell)) continue;
    if (holdsMark(after.panel, cell, Side::Computer)) {
      news += "La PC jugó en la casilla " + place(cell) + ". ";
    }
    if (holdsMark(after.panel, cell, Side::Player)) {
      news += "Pusiste tu ficha en la casilla " + place(cell) + ". ";
    }
  }
  const auto computer = pointsShown(after.computerScore, Side::Computer);
  const auto player = pointsShown(after.playerScore, Side::Player);
  const bool scored =
      after.computerScore != before.computerScore || after.playerScore != before.playerScore;
  if (scored && computer && player) {
    news += "Puntos: PC " + std::to_string(*computer) + ", vos " + std::to_string(*player) + ". ";
  }
  if (!news.empty()) news.pop_back();  // the blank after the last sentence
  return news;
}

}  // namespace quimbo
