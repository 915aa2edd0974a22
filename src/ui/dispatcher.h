// The one door into the game. Every click, menu item and timer expiry runs its core handler here,
// to completion; then every window redraws from the game and the real timer is set for the next
// deadline. No window changes the game any other way.
#pragma once

#include <QObject>
#include <functional>
#include <memory>

#include "game/game.h"

namespace quimbo::ui {

class ClockBinding;

class Dispatcher : public QObject {
  Q_OBJECT

 public:
  enum class Time {
    Real,    // the game's timers run in real time
    Manual,  // only advance() moves time on, as in the tests
  };

  Dispatcher(Game& game, Time time, QObject* parent = nullptr);
  ~Dispatcher() override;

  const Game& game() const { return game_; }

  // Runs one handler of the game, then redraws.
  void dispatch(const std::function<void(Game&)>& handler);
  // Moves a manual clock on by `ms`, ticking what falls due, then redraws.
  void advance(Milliseconds ms);

  // Whether a real timer is waiting for the game's next deadline (never with a manual clock).
  bool realTimerArmed() const;
  int realTimerRemainingMs() const;

 signals:
  // The game may have changed: windows redraw.
  void changed();

 private:
  void settle();

  Game& game_;
  ClockBinding* binding_ = nullptr;  // only with real time
};

}  // namespace quimbo::ui
