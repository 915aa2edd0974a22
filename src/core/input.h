// Everything that can happen to the game, as one small vocabulary: which control of which window
// the user pressed, what the desktop answered, or how much time passed. The windows, the tests and
// the fuzzer all speak it, and the game hears it only through handle() (core/game.h).
#pragma once

#include <array>
#include <cstdint>

namespace quimbo {

enum class Action : std::uint8_t {
  ClickCell,               // a click on the board: Image1..Image9, the value says which
  PressStart,              // the start button Command5, "Jugar"
  ClickBanner,             // the link banner Image10
  ChooseSobre,             // the menu item msobre, "&Sobre "
  ChooseSalir,             // the menu item msalir, " &Salir", or closing the main window
  PressAceptar,            // "Aceptar" on the credits Form7
  AcknowledgePlayerWin,    // a click on Form2, "Ganador" with the player's piece
  AcknowledgeComputerWin,  // a click on Form3, "Ganador" with the computer's piece
  AcknowledgeDraw,         // a click on Form5, "Empate"
  AcknowledgeResult,       // a click on Form4, "Resultado Final"
  DismissBrowserNotice,    // the notice that the browser could not be opened
  BrowserFailed,           // the desktop: the browser could not open the partner site
  TimePasses,              // the value says how many milliseconds
};

struct Input {
  Action action;
  std::int64_t value = 0;

  static constexpr Input clickImage(int image) { return {Action::ClickCell, image}; }
  static constexpr Input timePasses(std::int64_t milliseconds) {
    return {Action::TimePasses, milliseconds};
  }
  friend constexpr bool operator==(Input, Input) = default;
};

// Every input but time, each once: what the windows send, and what the randomized tests and the
// fuzzer choose from.
inline constexpr std::array<Input, 20> kEveryInput{{
    Input::clickImage(1), Input::clickImage(2), Input::clickImage(3), Input::clickImage(4),
    Input::clickImage(5), Input::clickImage(6), Input::clickImage(7), Input::clickImage(8),
    Input::clickImage(9), {Action::PressStart}, {Action::ClickBanner}, {Action::ChooseSobre},
    {Action::ChooseSalir}, {Action::PressAceptar}, {Action::AcknowledgePlayerWin},
    {Action::AcknowledgeComputerWin}, {Action::AcknowledgeDraw}, {Action::AcknowledgeResult},
    {Action::DismissBrowserNotice}, {Action::BrowserFailed},
}};

}  // namespace quimbo
