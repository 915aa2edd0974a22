// Taking and printing snapshots of the main window's model.
#include "support/form1_snapshot.h"

namespace quimbo::test {

Form1Snapshot snapshotOf(const Form1& form) {
  Form1Snapshot s{};
  for (int f = 1; f <= kFieldCount; ++f) {
    s.fields[static_cast<std::size_t>(f - 1)] = form.panel.text(static_cast<Field>(f));
  }
  s.pictures = form.pictures;
  s.label1 = form.label1;
  s.mpc = form.mpc;
  s.mjug = form.mjug;
  s.command5Visible = form.command5Visible;
  s.timersEnabled = {form.timer1.isEnabled(), form.timer2.isEnabled(), form.timer3.isEnabled(),
                     form.timer4.isEnabled(), form.timer5.isEnabled()};
  return s;
}

std::ostream& operator<<(std::ostream& out, const Form1Snapshot& s) {
  for (std::size_t f = 0; f < s.fields.size(); ++f) out << "Text" << f + 1 << "='" << s.fields[f] << "' ";
  for (std::size_t p = 0; p < s.pictures.size(); ++p) {
    out << "Picture" << p + 1 << "=(" << s.pictures[p].left << "," << s.pictures[p].top << ") ";
  }
  out << "Label1='" << s.label1 << "' mpc='" << s.mpc << "' mjug='" << s.mjug
      << "' Command5=" << s.command5Visible << " timers=";
  for (bool on : s.timersEnabled) out << on;
  return out;
}

}  // namespace quimbo::test
