// The Spanish descriptions of the cells.
#include "core/rules/cell_descriptions.h"

#include <array>

#include "core/model/board_state.h"

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

}  // namespace

std::string cellDescription(const StatePanel& panel, int cell) {
  return std::string("Casilla ") + kPlaces[static_cast<std::size_t>(cell - 1)] + ": " +
         contents(cellText(panel, cell));
}

}  // namespace quimbo
