// Whole matches played through the real windows on the virtual clock: a user who clicks whatever
// announcement shows, the start button when it is there, and otherwise any cell, taken or not.
#include <random>

#include "shell/windows/credits_window.h"
#include "shell/windows/announcements.h"
#include "windows/window_fixture.h"

namespace quimbo::test {
namespace {

class EndToEnd : public WindowTest {
 protected:
  void step(std::mt19937_64& choice) {
    QWidget* start = part(&form1(), "Command5");
    QWidget* target = start->isVisible()
                          ? start
                          : part(&form1(), QStringLiteral("Image%1").arg(choice() % 9 + 1));
    for (QWidget* panel :
         {static_cast<QWidget*>(&shell.form2()), static_cast<QWidget*>(&shell.form3()),
          static_cast<QWidget*>(&shell.form5()), static_cast<QWidget*>(&shell.form4())}) {
      if (panel->isVisible()) target = panel;
    }
    click(target);
    advance(1000);
  }
  static int points(QAction* item) { return item->text().section(':', 1).trimmed().toInt(); }
};

TEST_F(EndToEnd, MatchesEndWithTheResultAndANewOneStartsFromIt) {
  random.continueFreely(7);
  std::mt19937_64 choice(7);
  for (int match = 0; match < 6; ++match) {
    for (int steps = 0; steps < 300 && !shell.form4().isVisible(); ++steps) step(choice);
    ASSERT_TRUE(shell.form4().isVisible()) << "match " << match;
    EXPECT_EQ(points(menuItem("mpc")) + points(menuItem("mjug")), 10);
    menuItem("msobre")->trigger();  // the credits, in the middle of it all
    click(&shell.form7(), part(&shell.form7(), "Command1"));
    step(choice);  // acknowledges the result
    EXPECT_TRUE(!shell.form4().isVisible() && part(&form1(), "Command5")->isVisible());
  }
  menuItem("msalir")->trigger();
  EXPECT_EQ(platform.quits, 1);
}

}  // namespace
}  // namespace quimbo::test
