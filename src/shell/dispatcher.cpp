// Handing inputs and real time to the game, then redrawing and re-arming.
#include "shell/dispatcher.h"

#include <utility>

#include "core/game.h"
#include "shell/clock_binding.h"

namespace quimbo {

Dispatcher::Dispatcher(Game& game, Time time, QObject* parent, RealTime realTime)
    : QObject(parent), game_(game) {
  if (time == Time::Real) {
    binding_ = new ClockBinding(game.clock, std::move(realTime), this);
    connect(binding_, &ClockBinding::due, this, [this] {
      catchUp();
      settle();
    });
  }
}

Dispatcher::~Dispatcher() = default;

void Dispatcher::send(Input input) {
  catchUp();  // what fell due before this event happens first
  handle(game_, input);
  settle();
  emit handled(input);
}

void Dispatcher::redraw() { settle(); }

void Dispatcher::catchUp() {
  if (binding_) handle(game_, Input::timePasses(binding_->behind()));
}

void Dispatcher::settle() {
  if (binding_) {
    if (game_.ended) {
      binding_->stop();  // once the player has left, no timer may tick
    } else {
      binding_->rearm();
    }
  }
  emit changed();
}

int Dispatcher::realTimerWaitMs() const { return binding_ ? binding_->waitMs() : -1; }

}  // namespace quimbo
