// The one door into the game. Every click, key, menu item and timer expiry reaches the game here
// as an Input, and runs to completion; then every window redraws from the game and the real timer
// is set for the next deadline. Windows only read the game.
#pragma once

#include <QObject>

#include "core/game.h"
#include "core/input.h"
#include "core/model/game_state.h"

namespace quimbo {

class ClockBinding;

class Dispatcher : public QObject {
  Q_OBJECT

 public:
  enum class Time {
    Real,    // the game's timers run in real time
    Manual,  // only Input::timePasses moves time on, as in the tests
  };

  Dispatcher(Game& game, Time time, QObject* parent = nullptr);
  ~Dispatcher() override;

  const Game& game() const { return game_; }

  // Hands one input to the game, then redraws.
  void send(Input input);
  // Redraws from the game as it stands, and sets the real timer for its next deadline.
  void redraw();

  // Whether a real timer is waiting for the game's next deadline (never with a manual clock).
  bool realTimerArmed() const;
  int realTimerRemainingMs() const;

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
