// Tests told as stories of play: each step is what the player does (or how long they wait), then
// what the game shows, as a person reads it.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <sstream>

#include "core/rules/spoken.h"
#include "support/game_text.h"
#include "support/recording_platform.h"
#include "support/scripted_random.h"

namespace quimbo::test {

// A step: what happens, then what shows. What happens is one of: "board 10. ... ..." (the player's
// turn on that board), "set Text25=3 Text21=" (fields), "mpc <caption>", "mjug <caption>", "label
// <text>", "coins 0 1", "cells 2 9" (the next draws of chance), "click 9" (Image9), "jugar", "wait
// 1000", "player|pc|draw|result" (a click on that announcement), "sobre", "aceptar", "banner",
// "failed", "dismiss", "salir", "timer 3" (enables Timer3). What shows is a list of "what=text"
// split by '|': board, label, mpc, mjug, news, hint5 (why the centre refuses a click), timers
// ("1...." for Timer1 alone), shown (which windows: 2, 3, 4, 5, 7, start, notice), Picture6
// ("left,top"), parked, and any TextN.
using Step = std::pair<std::string, std::string>;

class Story : public testing::Test {
 protected:
  Story() { playersTurn(game); }

  void story(std::initializer_list<Step> steps) {
    int number = 0;
    for (const auto& [does, shows] : steps) {
      ++number;
      run(does);
      std::istringstream checks(shows);
      for (std::string check; std::getline(checks, check, '|');) {
        const auto equals = check.find('=');
        EXPECT_EQ(show(check.substr(0, equals)), check.substr(equals + 1))
            << "step " << number << ": " << does << " shows " << check;
      }
    }
  }

  void run(const std::string& does) {
    const std::string verb = does.substr(0, does.find(' '));
    const std::string rest = does.size() > verb.size() ? does.substr(verb.size() + 1) : "";
    const std::map<std::string, Action> actions = {
        {"jugar", Action::PressStart},          {"sobre", Action::ChooseSobre},
        {"aceptar", Action::PressAceptar},      {"banner", Action::ClickBanner},
        {"failed", Action::BrowserFailed},      {"dismiss", Action::DismissBrowserNotice},
        {"salir", Action::ChooseSalir},         {"player", Action::AcknowledgePlayerWin},
        {"pc", Action::AcknowledgeComputerWin}, {"draw", Action::AcknowledgeDraw},
        {"result", Action::AcknowledgeResult}};
    if (verb == "board") playersTurn(game, rest);
    if (verb == "mpc" || verb == "mjug" || verb == "label")
      (verb == "mpc" ? form.mpc : verb == "mjug" ? form.mjug : form.label1) = rest;
    if (verb == "click") handle(game, Input::clickImage(std::stoi(rest)));
    if (verb == "wait") handle(game, Input::timePasses(std::stoi(rest)));
    if (verb == "timer") timersOf(form)[static_cast<std::size_t>(std::stoi(rest) - 1)]->enable();
    if (actions.contains(verb)) handle(game, {actions.at(verb)});
    std::istringstream values(rest);
    for (std::string value; values >> value;) {
      if (verb == "coins") random.coins({std::stoi(value)});
      if (verb == "cells") random.cells({std::stoi(value)});
      if (verb == "set")
        form.panel.setText(static_cast<Field>(std::stoi(value.substr(4))),
                           value.substr(value.find('=') + 1));
    }
  }

  std::string show(const std::string& what) const {
    if (what == "board") return boardOf(form.panel);
    if (what == "label") return form.label1;
    if (what == "mpc") return form.mpc;
    if (what == "mjug") return form.mjug;
    if (what == "news") return game.news.text;
    if (what == "hint5") return cellHint(form, 5);
    if (what == "Picture6")
      return std::to_string(form.picture(6).left) + "," + std::to_string(form.picture(6).top);
    std::string text;
    if (what == "timers") {
      for (const Timer* t : timersOf(form)) text += ".1"[t->isEnabled()];
    } else if (what == "shown") {
      for (auto [name, visible] : {std::pair{"2", game.form2.visible},
                                   {"3", game.form3.visible},
                                   {"4", game.form4.visible},
                                   {"5", game.form5.visible},
                                   {"7", game.form7.visible},
                                   {"start", form.command5Visible},
                                   {"notice", game.browserNotice.visible}}) {
        if (visible) text += text.empty() ? name : std::string(" ") + name;
      }
    } else if (what == "parked") {
      text = std::all_of(form.pictures.begin(), form.pictures.end(),
                         [](Point p) { return p.left >= 3360; })
                 ? "yes"
                 : "no";
    } else {
      text = form.panel.text(static_cast<Field>(std::stoi(what.substr(4))));
    }
    return text;
  }

  ScriptedRandom random;
  RecordingPlatform platform;
  Game game{random, platform};
  Form1& form = game.form1;
};

}  // namespace quimbo::test
