// The game in Spanish words, for a screen reader.
#include "core/rules/spoken.h"

#include <array>

#include "core/rules/player_move.h"
#include "core/rules/score_captions.h"

namespace quimbo {

namespace {

constexpr std::array<const char*, 9> kPlaces{
    "superior izquierda", "superior central",   "superior derecha", "central izquierda", "central",
    "central derecha",    "inferior izquierda", "inferior central", "inferior derecha",
};

const char* contents(const std::string& cell) {
  if (cell == markOf(Side::Player)) return "tu ficha";
  if (cell == markOf(Side::Matrix)) return "ficha de la PC";
  return "vacía";  // any other text is a free cell to the player's clicks
}

std::string place(int cell) { return kPlaces[static_cast<std::size_t>(cell - 1)]; }

}  // namespace

std::string cellDescription(const StatePanel& panel, int cell) {
  return "Casilla " + place(cell) + ": " + contents(cellText(panel, cell));
}

std::string cellHint(const Form1& form, int cell) {
  switch (refusalOf(form, cell)) {
    case Refusal::None: return "";
    case Refusal::NoMatch: return "Todavía no hay partida: pulsá Jugar.";
    case Refusal::Occupied: return "Ocupada.";
    case Refusal::NotYourTurn: return "No es tu turno.";
  }
  return "";
}

Scene sceneOf(const Form1& form) {
  return {form.visible, form.panel, form.label1, form.mpc, form.mjug};
}

std::string newsBetween(const Scene& before, const Form1& after) {
  std::string news;
  if (after.visible && !before.shown) news += "Pulsá Jugar para empezar. ";
  if (after.label1 != before.label1 && !after.label1.empty()) news += after.label1 + ". ";
  for (int cell = 1; cell <= 9; ++cell) {  // a piece put down where there was none
    if (isOccupiedCell(before.panel, cell)) continue;
    if (holdsMark(after.panel, cell, Side::Matrix)) {
      news += "La PC jugó en la casilla " + place(cell) + ". ";
    }
    if (holdsMark(after.panel, cell, Side::Player)) {
      news += "Pusiste tu ficha en la casilla " + place(cell) + ". ";
    }
  }
  const auto computer = pointsShown(after.mpc, Side::Matrix);
  const auto player = pointsShown(after.mjug, Side::Player);
  if ((after.mpc != before.mpc || after.mjug != before.mjug) && computer && player) {
    news += "Puntos: PC " + std::to_string(*computer) + ", vos " + std::to_string(*player) + ". ";
  }
  if (!news.empty()) news.pop_back();  // the blank after the last sentence
  return news;
}

}  // namespace quimbo
