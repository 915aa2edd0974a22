// What a screen reader says of each cell of the board: where it is and what stands on it.
#pragma once

#include <string>

#include "core/model/state_panel.h"

namespace quimbo {

// "Casilla superior izquierda: vacía", "Casilla central: ficha de la PC", ...
std::string cellDescription(const StatePanel& panel, int cell);

}  // namespace quimbo
