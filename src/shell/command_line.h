// What the program does before the game starts: its command line, and the display it connects to.
#pragma once

#include <QApplication>
#include <memory>
#include <optional>

namespace quimbo {

// Answers --help and --version on the terminal and refuses what neither the game nor Qt knows,
// before any display is touched; returns the exit status then, or nothing when the game is to
// start.
std::optional<int> answerCommandLine(int argc, const char* const* argv);

// Builds the application, which connects to the display. When no display answers, says so in one
// line on stderr and ends the program with status 1, in place of Qt's messages and abort.
std::unique_ptr<QApplication> connectToDisplay(int& argc, char** argv);

}  // namespace quimbo
