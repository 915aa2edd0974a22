// What every window of the game shares: it redraws from the game after every input, and sends the
// user's inputs through the one door.
#pragma once

#include <QObject>
#include <utility>

#include "core/input.h"
#include "core/model/game_state.h"
#include "shell/dispatcher.h"

namespace quimbo {

template <typename Kind>
class GameWindow : public Kind {
 public:
  template <typename... KindArguments>
  explicit GameWindow(Dispatcher& dispatcher, KindArguments&&... arguments)
      : Kind(std::forward<KindArguments>(arguments)...), dispatcher_(dispatcher) {
    QObject::connect(&dispatcher_, &Dispatcher::changed, this, [this] { refresh(game()); });
  }

  // Shows what the game holds now.
  virtual void refresh(const Game& game) = 0;

 protected:
  const Game& game() const { return dispatcher_.game(); }
  void send(Input input) { dispatcher_.send(input); }

 private:
  Dispatcher& dispatcher_;
};

}  // namespace quimbo
