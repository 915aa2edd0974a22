// Running handlers and timer ticks, then redrawing and re-arming.
#include "ui/dispatcher.h"

#include "ui/clock_binding.h"

namespace quimbo::ui {

Dispatcher::Dispatcher(Game& game, Time time, QObject* parent) : QObject(parent), game_(game) {
  if (time == Time::Real) {
    binding_ = new ClockBinding(game.clock, this);
    connect(binding_, &ClockBinding::ticked, this, &Dispatcher::settle);
  }
}

Dispatcher::~Dispatcher() = default;

void Dispatcher::dispatch(const std::function<void(Game&)>& handler) {
  if (game_.ended) return;
  if (binding_) binding_->catchUp();  // what fell due before this event happens first
  handler(game_);
  settle();
}

void Dispatcher::advance(Milliseconds ms) {
  if (binding_ || game_.ended) return;
  game_.clock.advance(ms);
  settle();
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

bool Dispatcher::realTimerArmed() const { return binding_ && binding_->isArmed(); }

int Dispatcher::realTimerRemainingMs() const { return binding_ ? binding_->remainingMs() : -1; }

}  // namespace quimbo::ui
