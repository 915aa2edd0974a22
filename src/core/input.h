// Everything that can happen to the game, as one small vocabulary: which control of which window
// the user pressed, what the desktop answered, or how much time passed. The windows, the tests and
// the fuzzer all speak it, and the game hears it only through handle() (core/game.h).
#pragma once

#include <array>
#include <cstdint>

namespace quimbo {

enum class Action : std::uint8_t {
  ClickCell,               // a click on the board; the value is the cell, 1..9 row by row
  PressStart,              // the start button, "Jugar"
  ClickBanner,             // the link banner under the board
  OpenCredits,             // the menu item "&Sobre "
  Leave,                   // the menu item " &Salir", or closing the main window
  CloseCredits,            // "Aceptar" on the credits
  AcknowledgePlayerWin,    // a click on "Ganador" with the player's piece
  AcknowledgeComputerWin,  // a click on "Ganador" with the computer's piece
  AcknowledgeDraw,         // a click on "Empate"
  AcknowledgeResult,       // a click on "Resultado Final"
  DismissBrowserNotice,    // the notice that the browser could not be opened
  BrowserFailed,           // the desktop: the browser could not open the partner site
  TimePasses,              // the value says how many milliseconds
};

struct Input {
  Action action;
  std::int64_t value = 0;

  static constexpr Input clickCell(int cell) { return {Action::ClickCell, cell}; }
  static constexpr Input timePasses(std::int64_t milliseconds) {
    return {Action::TimePasses, milliseconds};
  }
  friend constexpr bool operator==(Input, Input) = default;
};

// Every input but time, each once: what the windows send, and what the randomized tests and the
// fuzzer choose from.
inline constexpr std::array<Input, 20> kEveryInput{{
    Input::clickCell(1), Input::clickCell(2), Input::clickCell(3), Input::clickCell(4),
    Input::clickCell(5), Input::clickCell(6), Input::clickCell(7), Input::clickCell(8),
    Input::clickCell(9), {Action::PressStart}, {Action::ClickBanner}, {Action::OpenCredits},
    {Action::Leave}, {Action::CloseCredits}, {Action::AcknowledgePlayerWin},
    {Action::AcknowledgeComputerWin}, {Action::AcknowledgeDraw}, {Action::AcknowledgeResult},
    {Action::DismissBrowserNotice}, {Action::BrowserFailed},
}};

}  // namespace quimbo
