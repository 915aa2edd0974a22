// Tests told as stories of play: each step is what the player does (or how long they wait), then
// what the game shows, as a person reads it. A step the story does not understand fails the test
// and names the step, so that a typo cannot turn a test into a test of nothing.
#pragma once

#include <algorithm>
#include <cstddef>
#include <gtest/gtest.h>
#include <initializer_list>
#include <map>
#include <sstream>
#include <string>
#include <string_view>
#include <utility>

#include "core/game.h"
#include "core/glossary.h"
#include "core/input.h"
#include "core/model/board.h"
#include "core/model/clock.h"
#include "core/model/game_state.h"
#include "core/model/main_window_state.h"
#include "core/model/state_panel.h"
#include "core/model/windows.h"
#include "core/rules/spoken.h"
#include "support/game_text.h"
#include "support/recording_platform.h"
#include "support/scripted_random.h"

namespace quimbo::test {

// A step: what happens, then what shows. What happens: "board 10. ... ..." (the player's turn on
// it), "set BoardLock=1 ..." (fields by their names in the code), "status <text>", "playerScore
// <caption>", "coins 0 1" and "cells 2 9" (the next draws), "arm <timer>", "click 1" (top left),
// "wait 1000", "jugar", "sobre", "aceptar", "banner", "salir", "failed" (the browser), "dismiss"
// (its notice), and "pc", "draw" (a click on that announcement). What shows: "what=text" split by
// '|', for board, status, computerScore, playerScore, news, hint5 (why the centre refuses a click),
// armed (the timers that run), shown (windows on screen: playerWon computerWon result draw credits
// start notice), parked, and any field by its name.
using Step = std::pair<std::string, std::string>;

class Story : public testing::Test {
 protected:
  Story() { playersTurn(game); }

  void story(std::initializer_list<Step> steps) {
    int number = 0;
    for (const auto& [does, shows] : steps) {
      step_ = "step " + std::to_string(++number) + " '" + does + "'";
      run(does);
      std::istringstream checks(shows);
      for (std::string check; std::getline(checks, check, '|');) {  // "what=text"; no '=', no view
        const auto equals = check.find('=');
        EXPECT_EQ(show(check.substr(0, equals)), check.substr(std::min(equals + 1, check.size())))
            << step_ << " shows " << check;
      }
    }
  }

  void run(const std::string& does) {
    const std::string verb = does.substr(0, does.find(' '));
    const std::string rest = does.size() > verb.size() ? does.substr(verb.size() + 1) : "";
    const std::map<std::string, Action> actions = {
        {"jugar", Action::PressStart},     {"sobre", Action::OpenCredits},
        {"aceptar", Action::CloseCredits}, {"banner", Action::ClickBanner},
        {"failed", Action::BrowserFailed}, {"dismiss", Action::DismissBrowserNotice},
        {"salir", Action::Leave},          {"pc", Action::AcknowledgeComputerWin},
        {"draw", Action::AcknowledgeDraw}};
    std::istringstream values(rest);
    if (actions.contains(verb)) {
      handle(game, {actions.at(verb)});
    } else if (verb == "board") {
      playersTurn(game, rest);
    } else if (verb == "status" || verb == "playerScore") {
      caption(verb) = rest;
    } else if (verb == "click") {
      handle(game, Input::clickCell(number(rest)));
    } else if (verb == "wait") {
      handle(game, Input::timePasses(number(rest)));
    } else if (verb == "arm") {
      timer(rest).enable();
    } else if (verb == "coins" || verb == "cells") {
      for (std::string value; values >> value;) {
        verb == "coins" ? random.coins({number(value)}) : random.cells({number(value)});
      }
    } else if (verb == "set") {
      for (std::string value; values >> value;) {
        const auto equals = value.find('=');
        main.panel.setText(field(value.substr(0, equals)),
                           equals == std::string::npos ? "?" : value.substr(equals + 1));
      }
    } else {
      ADD_FAILURE() << step_ << ": no such thing to do";
    }
  }

  std::string show(const std::string& what) {
    if (what == "board") return boardOf(main.panel);
    if (what == "status" || what == "computerScore" || what == "playerScore") return caption(what);
    if (what == "news") return game.news.text;
    if (what == "hint5") return cellHint(main, 5);
    if (what == "parked") {
      const bool all = std::ranges::all_of(main.pieces, [](Point p) { return p.left >= 3360; });
      return all ? "yes" : "no";
    }
    if (what == "armed" || what == "shown") return what == "armed" ? armed() : shownWindows();
    return main.panel.text(field(what));
  }

  // A field of the state panel by its name in the code.
  Field field(const std::string& name) {
    for (std::size_t f = 0; f < glossary::kFields.size(); ++f) {
      if (glossary::kFields[f].name == name) return static_cast<Field>(f + 1);
    }
    ADD_FAILURE() << step_ << ": no field or view called '" << name << "'";
    return Field::Cell1;
  }

  ScriptedRandom random;
  RecordingPlatform platform;
  Game game{random, platform};
  MainWindowState& main = game.mainWindow;

 private:
  int number(const std::string& text) {
    const bool digits = !text.empty() && text.find_first_not_of("0123456789") == std::string::npos;
    EXPECT_TRUE(digits) << step_ << ": '" << text << "' is not a number";
    return digits ? std::stoi(text) : 0;
  }

  std::string& caption(const std::string& name) {
    return name == "status" ? main.status
           : name == "computerScore" ? main.computerScore : main.playerScore;
  }

  Timer& timer(const std::string& name) {
    for (const auto& entry : glossary::kTimers) {
      if (entry.name == name) return main.*entry.timer;
    }
    ADD_FAILURE() << step_ << ": no timer called '" << name << "'";
    return main.computerMove;
  }

  // The names of what is on: the main window's timers, or the windows on screen.
  std::string armed() {
    std::string names;
    for (const auto& entry : glossary::kTimers) {
      if ((main.*entry.timer).isEnabled()) names += (names.empty() ? "" : " ") + std::string(entry.name);
    }
    return names;
  }
  std::string shownWindows() {
    std::string names;
    for (const auto& [name, visible] :
         {std::pair{"playerWon", game.playerWon.visible}, {"computerWon", game.computerWon.visible},
          {"result", game.result.visible}, {"draw", game.draw.visible},
          {"credits", game.credits.visible}, {"start", main.startButtonVisible},
          {"notice", game.browserNotice.visible}}) {
      if (visible) names += (names.empty() ? "" : " ") + std::string(name);
    }
    return names;
  }

  std::string step_;
};

}  // namespace quimbo::test
