// What the game says to a player who does not see the board: where each cell is, what stands on
// it and whether it can be played now, and after each input the news of it: who opens, where each
// piece went, the score.
#pragma once

#include <string>

#include "core/model/main_window_state.h"
#include "core/model/state_panel.h"
#include "core/rules/player_move.h"

namespace quimbo {

// "Casilla superior izquierda: vacía", "Casilla central: ficha de la PC", ...
std::string cellDescription(const StatePanel& panel, int cell);

// Why a click on a cell is ignored, in words, or "" when it is taken.
std::string spokenRefusal(Refusal refusal);

// Why a click on the cell would be ignored now, or "" when it would be taken.
std::string cellHint(const MainWindowState& main, int cell);

// What a player hears of the main window: whether it shows, the board, the status line and the
// score.
struct Scene {
  bool shown;
  StatePanel panel;
  std::string status, computerScore, playerScore;
};
Scene sceneOf(const MainWindowState& main);

// What changed from one scene to the next, in words, or "": "Pulsá Jugar para empezar.",
// "Comienzo yo.", "La PC jugó en la casilla central.", "Puntos: PC 2, vos 0.", ...
std::string newsBetween(const Scene& before, const MainWindowState& after);

}  // namespace quimbo
