// Showing and acknowledging the match result.
#include "core/rules/match_result.h"

#include "core/rules/score_captions.h"

namespace quimbo {

namespace {

std::string pointsLabel(const std::string& caption, Side side) {
  const auto points = pointsShown(caption, side);
  return points ? std::to_string(*points) : std::string();
}

}  // namespace

void showMatchResult(Game& game) {
  game.form4.label2 = pointsLabel(game.form1.mpc, Side::Matrix);
  game.form4.label3 = pointsLabel(game.form1.mjug, Side::Player);
  game.form4.visible = true;
}

void acknowledgeMatchResult(Game& game) {
  using enum Field;
  if (!game.form4.visible) return;
  game.form4.visible = false;
  Form1& form = game.form1;
  form.command5Visible = true;
  form.label1.clear();
  form.panel.clear(Text1, Text20);
  for (Field counter : {Text22, Text23, Text24}) form.panel.setText(counter, "0");
  form.panel.setText(Text25, "");
  form.panel.setText(Text26, "0");
  // The score captions keep the finished match's points until the next match starts.
}

}  // namespace quimbo
