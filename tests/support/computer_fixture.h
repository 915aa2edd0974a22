// A main window's model with the player just moved, ready for the computer's answer.
#pragma once

#include <gtest/gtest.h>

#include "computer/computer_player.h"
#include "support/board_text.h"
#include "support/positions.h"
#include "support/scripted_random.h"

namespace quimbo::test {

class ComputerTest : public testing::Test {
protected:
  // The board as after a player's move in a round the computer opened, locked for its answer.
  void given(std::string_view board) {
    setPosition(form, board);
    form.command5Visible = false;
    form.panel.setText(Field::Text25, "0");
    form.panel.setText(Field::Text27, "1");
  }
  // The computer's answer as the game runs it: Timer1, armed by the player's move, ticks.
  void answer() {
    form.timer1.enable();
    clock.advance(1000);
  }
  std::string board() const { return boardOf(form.panel); }
  const std::string& field(Field f) const { return form.panel.text(f); }

  Clock clock;
  Form1 form{clock};
  ScriptedRandom random;

private:
  void SetUp() override { form.timer1.onTick([this] { pressCommand3(form, random); }); }
};

}  // namespace quimbo::test
