// The main window: its size and layout in pixels, its menu bar, and what clicks on it do.
#include <QImage>
#include <QLabel>
#include <QLineEdit>

#include "support/game_text.h"
#include "ui/pictures.h"
#include "windows/window_fixture.h"

namespace quimbo::test {
namespace {

using enum Field;

class MainWindowTest : public WindowTest {
protected:
  QWidget* image(int n) { return part(&form1(), QStringLiteral("Image%1").arg(n)); }
};

TEST_F(MainWindowTest, HasAFixedClientAreaBelowTheMenuBarWithEveryPartInPlace) {
  EXPECT_EQ(form1().windowTitle(), " Quimbo v1.0");
  EXPECT_EQ(form1().client()->size(), QSize(224, 293));
  EXPECT_EQ(form1().client()->y(), form1().findChild<QMenuBar*>()->geometry().bottom() + 1);
  EXPECT_EQ(form1().minimumSize(), form1().maximumSize());
  EXPECT_FALSE(form1().windowFlags() & Qt::WindowMaximizeButtonHint);
  const std::pair<const char*, QRect> parts[] = {
      {"Command5", {88, 88, 50, 49}}, {"Label1", {36, 2, 153, 17}},
      {"Image10", {0, 230, 224, 62}}, {"Image1", {88, 24, 49, 47}},
      {"Image2", {152, 24, 49, 47}},  {"Image3", {88, 88, 49, 47}},
      {"Image5", {152, 152, 49, 47}}, {"Image7", {24, 152, 49, 47}},
      {"Image9", {24, 24, 49, 47}},   {"Picture1", {248, 32, 49, 49}},
      {"Picture10", {416, 88, 49, 49}}};
  for (const auto& [name, geometry] : parts) {
    EXPECT_EQ(part(&form1(), name)->geometry(), geometry) << name;
  }
}

TEST_F(MainWindowTest, ShowsAllFourMenuItemsInOrderWithinTheWindowWidth) {
  const char* captions[] = {"&Sobre ", "     PC: 0     ", "    Jug: 0     ", " &Salir"};
  arrange([](Game& g) { g.form1.mjug = "    Jug: 10   "; });
  captions[2] = "    Jug: 10   ";
  QMenuBar* bar = form1().findChild<QMenuBar*>();
  const QList<QAction*> items = bar->actions();
  ASSERT_EQ(items.size(), 4);
  int right = -1;
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(items[i]->text(), QString::fromUtf8(captions[i]));
    const QRect item = bar->actionGeometry(items[i]);
    EXPECT_TRUE(item.left() > right && item.right() < bar->width()) << captions[i] << " must fit";
    right = item.right();
  }
}

TEST_F(MainWindowTest, EachClickTargetReachesItsOwnCellOnceAMatchRuns) {
  const std::string before = stateOf(game.form1);
  for (int n = 1; n <= 9; ++n) click(image(n));
  EXPECT_EQ(stateOf(game.form1), before) << "no match runs yet";
  for (int n = 1; n <= 9; ++n) {
    playersTurn();
    arrange([](Game& g) { g.form1.panel.clear(Text1, Text19); });
    click(image(n));
    EXPECT_EQ(game.form1.panel.text(cellField(cellOfClickTarget(n))), "1") << "Image" << n;
  }
}

TEST_F(MainWindowTest, TheStartButtonOverTheCentreStartsAMatch) {
  random.coins({1});
  click(&form1(), part(&form1(), "Command5"));
  EXPECT_EQ(game.form1.panel.text(Text5), "") << "the click was the button's, not the cell's";
  EXPECT_FALSE(part(&form1(), "Command5")->isVisible());
  EXPECT_EQ(form1().findChild<QLabel*>("Label1")->text(), QString::fromUtf8("Comenzá vos"));
}

TEST_F(MainWindowTest, AGrabShowsThePlayersPieceInTheClickedCellAndNothingOfTheStatePanel) {
  playersTurn();
  click(image(5));  // the bottom right cell: Picture6 stands at (151, 150)
  const QImage screen = form1().client()->grab().toImage();
  EXPECT_EQ(screen.size(), QSize(224, 293));
  const QImage piece = ui::Picture("player_piece").forRatio(1.0).toImage();
  int same = 0;
  for (int y = 0; y < piece.height(); ++y) {
    for (int x = 0; x < piece.width(); ++x) {
      same += screen.pixelColor(151 + x, 150 + y) == piece.pixelColor(x, y);
    }
  }
  EXPECT_GT(same, piece.width() * piece.height() * 9 / 10);
  EXPECT_TRUE(form1().findChildren<QLineEdit*>().isEmpty());
}

TEST_F(MainWindowTest, OnlyTheBoardTheStartButtonAndTheBannerTakeTheKeyboard) {
  // Before a match the start button comes first, then the cells row by row; the centre cell
  // under the button is no stop.
  QStringList stops;
  for (QWidget* w = form1().nextInFocusChain(); w != &form1(); w = w->nextInFocusChain()) {
    if (w->focusPolicy() & Qt::TabFocus) stops << w->objectName();
  }
  EXPECT_EQ(stops.join(' '), "Command5 Image9 Image1 Image2 Image8 Image4 Image7 Image6 Image5 Image10");
  playersTurn();
  for (const QWidget* widget : form1().findChildren<QWidget*>()) {
    if (widget->focusPolicy() == Qt::NoFocus || !widget->isVisible()) continue;
    EXPECT_TRUE(widget->objectName().startsWith("Image") || widget->inherits("QMenuBar"))
        << widget->objectName().toStdString();
  }
  image(9)->setFocus();
  QTest::keyClick(image(9), Qt::Key_Space);
  EXPECT_EQ(game.form1.panel.text(Text1), "1");
}

TEST(RealTime, TheRealTimerIsArmedOnlyWhileAGameTimerIsPending) {
  ScriptedRandom random;
  RecordingPlatform platform;
  Game game(random, platform);
  game.form6.timer1.disable();  // the splash is gone
  Dispatcher dispatcher(game, Dispatcher::Time::Real);
  dispatcher.redraw();
  EXPECT_FALSE(dispatcher.realTimerArmed()) << "an idle game never wakes up";
  game.form1.timer1.enable();
  dispatcher.redraw();
  EXPECT_TRUE(dispatcher.realTimerArmed());
  EXPECT_GT(dispatcher.realTimerRemainingMs(), 900);
  game.form1.timer1.disable();
  dispatcher.redraw();
  EXPECT_FALSE(dispatcher.realTimerArmed());
}

}  // namespace
}  // namespace quimbo::test
