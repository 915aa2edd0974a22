// The end-of-round test after a computer move.
#include "computer/move_end.h"

namespace quimbo {

void endComputerMove(Form1& form, std::int64_t entryCount) {
  using enum Field;
  if (hasLine(form.panel, Side::Matrix)) {
    form.timer4.enable();
    form.panel.setText(Text27, "1");
    return;  // a winning move is not counted
  }
  if (isBoardFull(form.panel)) {
    form.panel.setText(Text27, "1");
    form.timer5.enable();
  }
  form.panel.setNumber(Text26, entryCount + 1);
}

}  // namespace quimbo
