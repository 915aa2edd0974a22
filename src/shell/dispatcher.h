// The one door into the game. Every click, key, menu item and timer expiry reaches the game here
// as an Input, and runs to completion; then every window redraws from the game and the real timer
// is set for the next deadline. Windows only read the game.
#pragma once

#include <QObject>

#include "core/game.h"
#include "core/input.h"
#include "core/model/game_state.h"
#include "shell/clock_binding.h"

namespace quimbo {

class Dispatcher : public QObject {
  Q_OBJECT

 public:
  enum class Time {
    Real,    // the game's timers run in real time
    Manual,  // only Input::timePasses moves time on, as in the tests
  };

  // With real time, the game's timers follow the system's steady clock, or the one given.
  Dispatcher(Game& game, Time time, QObject* parent = nullptr,
             RealTime realTime = steadyMilliseconds);
  ~Dispatcher() override;

  const Game& game() const { return game_; }

  // Hands one input to the game, then redraws.
  void send(Input input);
  // Redraws from the game as it stands, and sets the real timer for its next deadline.
  void redraw();

  // How long the real timer waits for the game's next deadline, in milliseconds; -1 while it does
  // not wait (nothing is due, or time is manual).
  int realTimerWaitMs() const;

 signals:
  // The game may have changed: windows redraw.
  void changed();
  // The game has handled the input and the windows have redrawn.
  void handled(Input input);

 private:
  void catchUp();
  void settle();

  Game& game_;
  ClockBinding* binding_ = nullptr;  // only with real time
};

}  // namespace quimbo
