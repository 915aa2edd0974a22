// Whole matches played through the real windows: clicks on the board, on the announcements and on
// the result, menu items, all on the virtual clock.
#include <QApplication>
#include <random>

#include "outcome/drawn_round_window.h"
#include "outcome/match_result_window.h"
#include "outcome/round_won_window.h"
#include "info/credits_window.h"
#include "ui/click_area.h"
#include "ui/picture_button.h"
#include "windows/window_fixture.h"

namespace quimbo::test {
namespace {

// Plays as a user sees the screen: clicks whatever announcement is showing, the start button when
// it is there, and otherwise any cell, taken or not.
class ScreenPlayer {
public:
  ScreenPlayer(Shell& shell, std::uint64_t seed) : shell_(shell), choice_(seed) {}

  void step() {
    if (QWidget* panel = visiblePanel()) {
      QTest::mouseClick(panel, Qt::LeftButton, {}, panel->rect().center());
    } else if (QWidget* start = shell_.form1().findChild<QWidget*>("Command5"); start->isVisible()) {
      QTest::mouseClick(start, Qt::LeftButton);
    } else {
      const auto image = QStringLiteral("Image%1").arg(choice_() % 9 + 1);
      QTest::mouseClick(shell_.form1().findChild<ui::ClickArea*>(image), Qt::LeftButton);
    }
    shell_.dispatcher().advance(1000);
  }

  QWidget* visiblePanel() {
    for (QWidget* panel : std::initializer_list<QWidget*>{&shell_.form2(), &shell_.form3(),
                                                          &shell_.form5(), &shell_.form4()}) {
      if (panel->isVisible()) return panel;
    }
    return nullptr;
  }

private:
  Shell& shell_;
  std::mt19937_64 choice_;
};

int pointsIn(const QString& caption) { return caption.section(':', 1).trimmed().toInt(); }

TEST(EndToEnd, MatchesPlayedThroughTheWindowsEndWithTheResultAndStartAgain) {
  for (std::uint64_t seed = 1; seed <= 12; ++seed) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    SeededRandom random(seed);
    RecordingPlatform platform;
    Game game(random, platform);
    Shell shell(game, ui::Dispatcher::Time::Manual);
    shell.start();
    shell.dispatcher().advance(3000);
    ScreenPlayer player(shell, seed);
    QMenuBar* menu = shell.form1().findChild<QMenuBar*>();

    for (int match = 0; match < 2; ++match) {
      int steps = 0;
      while (!shell.form4().isVisible() && steps++ < 300) player.step();
      ASSERT_TRUE(shell.form4().isVisible()) << "match " << match;
      const QList<QAction*> items = menu->actions();
      EXPECT_EQ(pointsIn(items[1]->text()) + pointsIn(items[2]->text()), 10);

      // The credits open and close in the middle of it all.
      shell.form1().findChild<QAction*>("msobre")->trigger();
      QTest::mouseClick(shell.form7().findChild<ui::PictureButton*>("Command1"), Qt::LeftButton);
      EXPECT_FALSE(shell.form7().isVisible());

      player.step();  // acknowledges the result
      EXPECT_FALSE(shell.form4().isVisible());
      EXPECT_TRUE(shell.form1().findChild<QWidget*>("Command5")->isVisible());
    }
    shell.form1().findChild<QAction*>("msalir")->trigger();
    EXPECT_EQ(platform.quits, 1);
  }
}

}  // namespace
}  // namespace quimbo::test
