// Creating the windows and starting the program.
#include "app/shell.h"

#include "game/main_window.h"

namespace quimbo {

Shell::Shell(Game& game, ui::Dispatcher::Time time)
    : dispatcher_(game, time), form1_(std::make_unique<MainWindow>(dispatcher_)) {}

Shell::~Shell() = default;

void Shell::start() { form1_->showCentred(); }

}  // namespace quimbo
