// The windows around the game: splash, credits, the link, and leaving from every state.
#include <QApplication>
#include <QLabel>
#include <QMessageBox>

#include "game/menus.h"
#include "info/credits_window.h"
#include "info/splash_window.h"
#include "outcome/round_won_window.h"
#include "ui/picture_box.h"
#include "ui/picture_button.h"
#include "windows/window_fixture.h"

namespace quimbo::test {
namespace {

using enum Field;

class ProgramWindows : public WindowTest {};

TEST(SplashTiming, TheMainWindowShowsAtThreeSecondsAndTheSplashGoes) {
  ScriptedRandom random;
  RecordingPlatform platform;
  Game game(random, platform);
  Shell shell(game, ui::Dispatcher::Time::Manual);
  shell.start();
  EXPECT_TRUE(shell.form6().isVisible());
  EXPECT_FALSE(shell.form1().isVisible());
  shell.dispatcher().advance(2999);
  EXPECT_FALSE(shell.form1().isVisible());
  shell.dispatcher().advance(1);
  EXPECT_TRUE(shell.form1().isVisible());
  EXPECT_FALSE(shell.form6().isVisible());
}

TEST(SplashLayout, IsABorderlessPanelWithTheGamesTitleData) {
  ScriptedRandom random;
  RecordingPlatform platform;
  Game game(random, platform);
  Shell shell(game, ui::Dispatcher::Time::Manual);
  SplashWindow& splash = shell.form6();
  EXPECT_EQ(splash.client()->size(), QSize(314, 200));
  EXPECT_TRUE(splash.windowFlags() & Qt::FramelessWindowHint);
  const std::pair<const char*, const char*> texts[] = {
      {"Label3", "Juego de tablero"}, {"Label1", "Versión 1.0"}, {"Label2", "22/01/2002"},
      {"Label4", "Plataforma W95/98/Me/XP"}, {"Label7", "Vandrel Software"}};
  for (const auto& [name, text] : texts) {
    const QLabel* label = splash.findChild<QLabel*>(name);
    ASSERT_NE(label, nullptr) << name;
    EXPECT_EQ(label->text(), QString::fromUtf8(text));
  }
  EXPECT_EQ(splash.findChild<QLabel*>("Label2")->palette().color(QPalette::WindowText), Qt::red);
  EXPECT_EQ(splash.findChildren<ui::PictureBox*>().size(), 6);  // five pieces and the logo
}

TEST_F(ProgramWindows, TheCreditsOpenOnceFromTheMenuAndAceptarHidesThem) {
  menuItem("msobre")->trigger();
  menuItem("msobre")->trigger();
  CreditsWindow& credits = shell.form7();
  EXPECT_TRUE(credits.isVisible());
  int shown = 0;
  for (QWidget* top : QApplication::topLevelWidgets()) shown += top->objectName() == "Form7" && top->isVisible();
  EXPECT_EQ(shown, 1);
  EXPECT_EQ(credits.client()->size(), QSize(296, 245));
  EXPECT_TRUE(credits.windowFlags() & Qt::FramelessWindowHint);
  EXPECT_EQ(credits.findChild<QLabel*>("Label4")->text(),
            QString::fromUtf8("Edición especial dedicada a nuestros amigos de Rincón Lúdico"));

  click(credits.findChild<ui::PictureButton*>("Command1"));
  EXPECT_FALSE(credits.isVisible());
  EXPECT_FALSE(game.form7.visible);
  menuItem("msobre")->trigger();
  EXPECT_TRUE(credits.isVisible()) << "the same window shows again";
}

TEST_F(ProgramWindows, EachClickOnTheBannerOpensTheSiteOnce) {
  QWidget* banner = control(&form1(), "Image10");
  click(banner);
  click(banner);
  EXPECT_EQ(platform.opened.size(), 2u);
  EXPECT_FALSE(banner->cursor().pixmap().isNull()) << "the banner has its own pointer";
}

TEST_F(ProgramWindows, WithoutABrowserASmallMessageSaysSoAndTheGameGoesOn) {
  platform.browserWorks = false;
  click(control(&form1(), "Image10"));
  auto* notice = form1().findChild<QMessageBox*>("BrowserNotice");
  ASSERT_NE(notice, nullptr);
  EXPECT_TRUE(notice->isVisible());
  EXPECT_FALSE(notice->isModal());
  random.add({ScriptedRandom::forCoin(1)});
  click(control(&form1(), "Command5"));
  EXPECT_FALSE(game.form1.command5Visible) << "the main window is still usable";
  notice->button(QMessageBox::Ok)->click();
  EXPECT_FALSE(notice->isVisible());
  EXPECT_FALSE(game.browserNoticeVisible);
}

// The states a game can be in, each reached the way the rules reach it.
struct State {
  const char* name;
  std::function<void(Game&)> reach;
};

TEST_F(ProgramWindows, SalirAndTheCloseButtonEndTheProgramFromEveryState) {
  const State states[] = {
      {"idle", [](Game&) {}},
      {"opening pending", [](Game& g) { g.form1.command5Visible = false; g.form1.timer2.enable(); }},
      {"player to move", [](Game& g) { g.form1.command5Visible = false; g.form1.panel.setText(Text27, "0"); }},
      {"computer to move", [](Game& g) { g.form1.command5Visible = false; g.form1.timer1.enable(); }},
      {"outcome pending", [](Game& g) { g.form1.command5Visible = false; g.form1.timer3.enable(); }},
      {"outcome window open", [](Game& g) { g.form1.command5Visible = false; g.form2.visible = true; }},
      {"next round pending", [](Game& g) { g.form1.command5Visible = false; g.form5.timer1.enable(); }},
      {"match result open", [](Game& g) { g.form1.command5Visible = false; g.form4.visible = true; }},
      {"credits open", [](Game& g) { chooseSobre(g); }},
  };
  for (bool closeButton : {false, true}) {
    for (const State& state : states) {
      ScriptedRandom freshRandom;
      RecordingPlatform freshPlatform;
      Game fresh(freshRandom, freshPlatform);
      Shell freshShell(fresh, ui::Dispatcher::Time::Manual);
      freshShell.start();
      freshShell.dispatcher().advance(3000);
      freshShell.dispatcher().dispatch(state.reach);
      if (closeButton) {
        freshShell.form1().close();
      } else {
        freshShell.form1().findChild<QAction*>("msalir")->trigger();
      }
      EXPECT_EQ(freshPlatform.quits, 1) << state.name;
      // Nothing more happens: no pending timer ticks, no click is taken.
      const int drawsBefore = freshRandom.drawsTaken();
      freshShell.dispatcher().advance(5000);
      freshShell.dispatcher().dispatch([](Game& g) { chooseSobre(g); });
      EXPECT_EQ(freshRandom.drawsTaken(), drawsBefore) << state.name;
      EXPECT_EQ(fresh.form2.visible, state.name == std::string("outcome window open")) << state.name;
      EXPECT_EQ(fresh.form7.visible, state.name == std::string("credits open")) << state.name;
    }
  }
}

}  // namespace
}  // namespace quimbo::test
