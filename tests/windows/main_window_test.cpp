// The main window: its size and layout in pixels, its menu bar, and clicks on the board.
#include <QImage>
#include <QLabel>
#include <QLineEdit>

#include "game/board.h"
#include "ui/fixed_window.h"
#include "ui/pictures.h"
#include "windows/window_fixture.h"

namespace quimbo::test {
namespace {

using enum Field;

class MainWindowTest : public WindowTest {
protected:
  // A running match with the player to move.
  void startPlayersTurn() {
    arrange([](Game& g) {
      g.form1.command5Visible = false;
      g.form1.panel.setText(Text27, "0");
    });
  }
  QWidget* image(int n) { return control(&form1(), qPrintable(QStringLiteral("Image%1").arg(n))); }
};

TEST_F(MainWindowTest, HasItsCaptionAndAFixedClientAreaBelowTheMenuBar) {
  EXPECT_EQ(form1().windowTitle(), " Quimbo v1.0");
  EXPECT_EQ(form1().client()->size(), QSize(224, 293));
  EXPECT_EQ(form1().client()->y(), menuBar()->geometry().bottom() + 1);
  EXPECT_EQ(form1().minimumSize(), form1().maximumSize());
  EXPECT_FALSE(form1().windowFlags() & Qt::WindowMaximizeButtonHint);
  EXPECT_TRUE(form1().windowFlags() & Qt::WindowMinimizeButtonHint);
  EXPECT_TRUE(form1().windowFlags() & Qt::WindowCloseButtonHint);
}

TEST_F(MainWindowTest, PlacesEveryElementAtItsPixelPosition) {
  EXPECT_EQ(control(&form1(), "Command5")->geometry(), QRect(88, 88, 50, 49));
  EXPECT_EQ(control(&form1(), "Label1")->geometry(), QRect(36, 2, 153, 17));
  EXPECT_EQ(control(&form1(), "Image10")->geometry(), QRect(0, 230, 224, 62));
  const QPoint targets[] = {{88, 24}, {152, 24}, {88, 88},  {152, 88}, {152, 152},
                            {88, 152}, {24, 152}, {24, 88}, {24, 24}};
  for (int n = 1; n <= 9; ++n) {
    EXPECT_EQ(image(n)->geometry(), QRect(targets[n - 1], QSize(49, 47))) << "Image" << n;
  }
  for (int n = 1; n <= 10; ++n) {
    const QWidget* piece = control(&form1(), qPrintable(QStringLiteral("Picture%1").arg(n)));
    EXPECT_EQ(piece->size(), QSize(49, 49));
    EXPECT_FALSE(form1().client()->rect().intersects(piece->geometry())) << "Picture" << n;
  }
}

TEST_F(MainWindowTest, MenuBarShowsAllFourItemsInOrderWithinTheWindowWidth) {
  const char* names[] = {"msobre", "mpc", "mjug", "msalir"};
  const char* captions[] = {"&Sobre ", "     PC: 0     ", "    Jug: 0     ", " &Salir"};
  const QList<QAction*> actions = menuBar()->actions();
  ASSERT_EQ(actions.size(), 4);
  int previousRight = -1;
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(actions[i]->objectName(), names[i]);
    EXPECT_EQ(actions[i]->text(), QString::fromUtf8(captions[i]));
    const QRect item = menuBar()->actionGeometry(actions[i]);
    EXPECT_FALSE(item.isEmpty()) << names[i];
    EXPECT_GT(item.left(), previousRight - 1) << names[i];
    EXPECT_LE(item.right(), menuBar()->width() - 1) << names[i] << " must not overflow";
    previousRight = item.right();
  }
}

TEST_F(MainWindowTest, ScoreCaptionsFollowTheGame) {
  arrange([](Game& g) {
    g.form1.mjug = "    Jug: 10   ";
    g.form1.mpc = "     PC: 0     ";
  });
  EXPECT_EQ(menuItem("mjug")->text(), "    Jug: 10   ");
  EXPECT_EQ(menuItem("mpc")->text(), "     PC: 0     ");
  EXPECT_LE(menuBar()->actionGeometry(menuItem("msalir")).right(), menuBar()->width() - 1);
}

TEST_F(MainWindowTest, EachClickTargetReachesItsOwnCell) {
  for (int n = 1; n <= 9; ++n) {
    ScriptedRandom freshRandom;
    RecordingPlatform freshPlatform;
    Game fresh(freshRandom, freshPlatform);
    Shell freshShell(fresh, ui::Dispatcher::Time::Manual);
    freshShell.start();
    freshShell.dispatcher().advance(3000);
    freshShell.dispatcher().dispatch([](Game& g) {
      g.form1.command5Visible = false;
      g.form1.panel.setText(Text27, "0");
    });
    click(freshShell.form1().findChild<QWidget*>(QStringLiteral("Image%1").arg(n)));
    const int cell = cellOfClickTarget(n);
    EXPECT_EQ(fresh.form1.panel.text(cellField(cell)), "1") << "Image" << n;
    EXPECT_EQ(fresh.form1.timer1.isEnabled(), true);
  }
}

TEST_F(MainWindowTest, ClicksBeforeAMatchStartsChangeNothing) {
  for (int n = 1; n <= 9; ++n) click(image(n));
  for (int cell = 1; cell <= 9; ++cell) EXPECT_EQ(game.form1.panel.text(cellField(cell)), "");
}

TEST_F(MainWindowTest, TheStartButtonOverTheCentreCellStartsAMatch) {
  random.add({ScriptedRandom::forCoin(1)});  // the player opens
  click(control(&form1(), "Command5"));
  EXPECT_EQ(game.form1.panel.text(Text5), "") << "the click was the button's, not the cell's";
  EXPECT_FALSE(control(&form1(), "Command5")->isVisible());
  EXPECT_EQ(control<QLabel>(&form1(), "Label1")->text(), QString::fromUtf8("Comenzá vos"));
}

TEST_F(MainWindowTest, GrabShowsThePlayersPieceInTheClickedCell) {
  startPlayersTurn();
  const QImage before = form1().client()->grab().toImage();
  click(image(5));  // the bottom right cell
  const QImage after = form1().client()->grab().toImage();

  const QImage piece = ui::Picture("player_piece").forRatio(1.0).toImage();
  const QPoint at(151, 150);  // Picture6 at Left 2260, Top 2250
  int matching = 0;
  for (int y = 0; y < piece.height(); ++y) {
    for (int x = 0; x < piece.width(); ++x) {
      if (after.pixelColor(at + QPoint(x, y)) == piece.pixelColor(x, y).toRgb()) ++matching;
    }
  }
  EXPECT_GT(matching, piece.width() * piece.height() * 9 / 10);
  EXPECT_NE(before.pixelColor(at + QPoint(22, 22)), after.pixelColor(at + QPoint(22, 22)));
}

TEST_F(MainWindowTest, TheStatePanelIsNotPartOfTheWindow) {
  EXPECT_TRUE(form1().findChildren<QLineEdit*>().isEmpty());
  // Nothing but the board, the start button and the banner can take the keyboard focus.
  for (const QWidget* widget : form1().findChildren<QWidget*>()) {
    if (widget->focusPolicy() == Qt::NoFocus || !widget->isVisible()) continue;
    const QString name = widget->objectName();
    EXPECT_TRUE(name.startsWith("Image") || name == "Command5" || widget->inherits("QMenuBar"))
        << qPrintable(name);
  }
  EXPECT_EQ(form1().client()->grab().size(), QSize(224, 293));
}

TEST_F(MainWindowTest, TheBoardCanBePlayedFromTheKeyboard) {
  startPlayersTurn();
  QWidget* topLeft = image(9);
  EXPECT_EQ(topLeft->focusPolicy() & Qt::TabFocus, Qt::TabFocus);
  topLeft->setFocus();
  QTest::keyClick(topLeft, Qt::Key_Space);
  EXPECT_EQ(game.form1.panel.text(Text1), "1");
}

TEST_F(MainWindowTest, StatusLineShowsTheGamesText) {
  arrange([](Game& g) { g.form1.label1 = "Comenzá vos"; });
  EXPECT_EQ(control<QLabel>(&form1(), "Label1")->text(), QString::fromUtf8("Comenzá vos"));
}

}  // namespace
}  // namespace quimbo::test
