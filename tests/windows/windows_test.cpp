// The windows as a user meets them: what each click, key and close request does, which window stays
// with which, the link's opener, and leaving. How every window looks is checked against pictures
// (tests/windows/CMakeLists.txt).
#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QProcess>
#include <QTemporaryDir>
#include <QWindow>

#include "shell/desktop_platform.h"
#include "shell/windows/announcements.h"
#include "shell/windows/credits_window.h"
#include "shell/windows/splash_window.h"
#include "windows/window_fixture.h"

namespace quimbo::test {
namespace {

class Windows : public WindowTest {
 protected:
  QWidget* image(int n) { return part(&form1(), QStringLiteral("Image%1").arg(n)); }
  QWidget* jugar() { return part(&form1(), "Command5"); }
  QString scores() { return menuItem("mpc")->text() + "|" + menuItem("mjug")->text(); }
};

TEST_F(Windows, TheMainWindowIsFixedAndEachClickTargetReachesItsOwnCell) {
  EXPECT_EQ(form1().windowTitle(), " Quimbo v1.0");
  EXPECT_EQ(form1().minimumSize(), form1().maximumSize());
  EXPECT_FALSE(form1().windowFlags() & Qt::WindowMaximizeButtonHint);
  const char* kBoards[] = {".1. ... ...", "..1 ... ...", "... .1. ...",
                           "... ..1 ...", "... ... ..1", "... ... .1.",
                           "... ... 1..", "... 1.. ...", "1.. ... ..."};
  for (int n = 1; n <= 9; ++n) {
    arrange([](Game& g) { playersTurn(g); });
    click(image(n));
    EXPECT_EQ(boardOf(game.form1.panel), kBoards[n - 1]) << "Image" << n;
  }
  arrange([](Game& g) { g.form1.command5Visible = true; });
  random.coins({1});
  click(&form1(), jugar());
  EXPECT_EQ(boardOf(game.form1.panel) + game.form1.label1, "... ... ...Comenzá vos")
      << "the click over the centre was Jugar's";
  EXPECT_FALSE(jugar()->isVisible());
  QStringList stops;  // and with Jugar back, the keyboard's stops
  arrange([](Game& g) { g.form1.command5Visible = true; });
  for (QWidget* w = form1().nextInFocusChain(); w != &form1(); w = w->nextInFocusChain()) {
    if (w->focusPolicy() & Qt::TabFocus) stops << w->objectName();
  }
  EXPECT_EQ(stops.join(' '),
            "Command5 Image9 Image1 Image2 Image8 Image4 Image7 Image6 Image5 Image10")
      << "Jugar first, the centre cell under it no stop";
}

TEST_F(Windows, EveryPartOfAnAnnouncementOrAKeyAcknowledgesItAndTheScoreFollows) {
  const QStringList kParts = {"", "Frame1", "Label1", "Picture1"};
  const std::tuple<QWidget*, TimedWindow Game::*, QStringList, QString> kWindows[] = {
      {&shell.form2(), &Game::form2, kParts + QStringList{"Enter", "Space", "Escape"},
       "     PC: 3     |    Jug: 6     "},
      {&shell.form3(), &Game::form3, kParts, "     PC: 5     |    Jug: 4     "},
      {&shell.form5(), &Game::form5,
       kParts + QStringList{"Picture2", "Picture3", "Picture4", "Picture5", "Picture6"},
       "     PC: 4     |    Jug: 5     "}};
  for (const auto& [window, shown, ways, after] : kWindows) {
    for (const QString& way : ways) {
      arrange([&, shown = shown](Game& g) {
        playersTurn(g);
        g.form1.mpc = "     PC: 3     ";
        g.form1.mjug = "    Jug: 4     ";
        (g.*shown).visible = true;
      });
      const std::map<QString, Qt::Key> keys = {
          {"Enter", Qt::Key_Return}, {"Space", Qt::Key_Space}, {"Escape", Qt::Key_Escape}};
      if (keys.contains(way)) {
        QTest::keyClick(window, keys.at(way));
      } else {
        click(window, way.isEmpty() ? nullptr : part(window, way));
      }
      EXPECT_FALSE(window->isVisible()) << way.toStdString();
      EXPECT_EQ(scores(), after) << way.toStdString();
      advance(1000);
    }
  }
  for (const char* name :
       {"", "Frame1", "Frame2", "Label1", "Label2", "Label3", "Picture1", "Picture2"}) {
    arrange([](Game& g) {
      g.form1.command5Visible = false;
      g.form4 = {true, "10", "0"};
    });
    click(&shell.form4(), *name ? part(&shell.form4(), name) : nullptr);
    EXPECT_TRUE(!shell.form4().isVisible() && jugar()->isVisible()) << name;
  }
}

TEST_F(Windows, TheDesktopCannotCloseWhatTheGameStillWaitsFor) {
  arrange([](Game& g) {
    playersTurn(g);
    g.form5.visible = g.form7.visible = true;
  });
  for (QWidget* window :
       {static_cast<QWidget*>(&shell.form5()), static_cast<QWidget*>(&shell.form7())}) {
    // X11 window managers keep only dialogs above their owner, minimised with it, off the taskbar.
    EXPECT_EQ(window->windowType(), Qt::Dialog);
    EXPECT_EQ(window->windowHandle()->transientParent(), form1().windowHandle());
    EXPECT_FALSE(window->close()) << "Alt+F4 is refused";
    EXPECT_TRUE(window->isVisible());
  }
  QTest::keyClick(&shell.form7(), Qt::Key_Return);
  EXPECT_FALSE(shell.form7().isVisible()) << "Enter presses Aceptar";
  click(&shell.form5());
  EXPECT_EQ(menuItem("mpc")->text(), "     PC: 1     ") << "the draw is still acknowledged";
}

TEST_F(Windows, TheSecondClickOfADoubleClickOnTheResultStartsNoMatch) {
  QGuiApplication::styleHints()->setMouseDoubleClickInterval(40);
  arrange([](Game& g) {
    g.form1.command5Visible = false;
    g.form1.mpc = "     PC: 8     ";
    g.form4 = {true, "8", "2"};
  });
  click(&shell.form4());
  click(&form1(), jugar());
  EXPECT_TRUE(jugar()->isVisible());
  EXPECT_EQ(menuItem("mpc")->text(), "     PC: 8     ");
  QTest::qWait(50);
  random.coins({1});
  click(&form1(), jugar());
  EXPECT_FALSE(jugar()->isVisible()) << "a click after the moment starts one";
}

TEST_F(Windows, TheCreditsOpenOnceAndTheBannersNoticeSpeaksSpanish) {
  menuItem("msobre")->trigger();
  menuItem("msobre")->trigger();
  int shown = 0;
  for (const QWidget* top : QApplication::topLevelWidgets())
    shown += top->objectName() == "Form7" && top->isVisible();
  EXPECT_EQ(shown, 1);
  click(&shell.form7(), part(&shell.form7(), "Command1"));
  EXPECT_FALSE(shell.form7().isVisible());
  click(part(&form1(), "Image10"));
  EXPECT_EQ(platform.opened.size(), 1u);
  platform.browserStarts = false;
  click(part(&form1(), "Image10"));
  auto* notice = form1().findChild<QMessageBox*>("BrowserNotice");
  ASSERT_TRUE(notice && notice->isVisible() && !notice->isModal());
  ASSERT_EQ(notice->buttons().size(), 1);
  EXPECT_EQ(notice->buttons()[0]->text(), "Aceptar");
  notice->buttons()[0]->click();
  EXPECT_FALSE(notice->isVisible() || game.browserNotice.visible);
}

// The desktop's opener is whatever xdg-open comes first on the PATH: here a script that ends as
// told, as a working browser or a missing one would.
TEST(DesktopLink, AnOpenerThatFailsIsReportedAndOneThatWorksIsNot) {
  QTemporaryDir bin;
  const QByteArray path = qgetenv("PATH");
  qputenv("PATH", bin.path().toUtf8() + ":" + path);
  for (const int exitCode : {3, 0}) {
    QFile opener(bin.filePath("xdg-open"));
    opener.open(QIODevice::WriteOnly | QIODevice::Truncate);
    opener.write("#!/bin/sh\n[ \"$1\" = https://www.rinconludico.example/ ] || exit 9\nexit " +
                 QByteArray::number(exitCode) + "\n");
    opener.close();
    opener.setPermissions(opener.permissions() | QFile::ExeOwner);
    DesktopPlatform platform;
    int failures = 0;
    QObject::connect(&platform, &DesktopPlatform::openFailed, [&] { ++failures; });
    EXPECT_TRUE(platform.openUrl("https://www.rinconludico.example/"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return platform.findChildren<QProcess*>().isEmpty(); }));
    EXPECT_EQ(failures, exitCode == 0 ? 0 : 1) << "the opener exits " << exitCode;
  }
  QFile::remove(bin.filePath("xdg-open"));  // no opener at all
  EXPECT_FALSE(DesktopPlatform().openUrl("https://www.rinconludico.example/"));
  qputenv("PATH", path);
}

// A game of its own, freshly started: the splash is on screen.
struct FreshProgram {
  FreshProgram() { shell.start(); }
  void advance(Milliseconds ms) { shell.dispatcher().send(Input::timePasses(ms)); }
  ScriptedRandom random;
  RecordingPlatform platform;
  Game game{random, platform};
  Shell shell{game, Dispatcher::Time::Manual};
};

TEST(Program, OpensOnTheSplashWhichCannotBeClosedAndEndsWithSalirOrTheCloseButtonFromAnyState) {
  FreshProgram program;
  SplashWindow* splash = program.shell.form6();
  EXPECT_FALSE(splash->close()) << "closing the splash would leave the program without a window";
  program.advance(2999);
  EXPECT_TRUE(splash->isVisible() && !program.shell.form1().isVisible());
  program.advance(1);
  EXPECT_TRUE(!splash->isVisible() && program.shell.form1().isVisible() && !program.shell.form6());
  // Opening pending, computer to move, outcome pending, outcome open, next round pending, result,
  // credits.
  const std::function<void(Game&)> states[] = {
      [](Game& g) { g.form1.timer2.enable(); }, [](Game& g) { g.form1.timer1.enable(); },
      [](Game& g) { g.form1.timer3.enable(); }, [](Game& g) { g.form2.visible = true; },
      [](Game& g) { g.form5.timer1.enable(); }, [](Game& g) { g.form4.visible = true; },
      [](Game& g) { g.form7.visible = true; }};
  for (std::size_t state = 0; state < 2 * std::size(states); ++state) {
    FreshProgram program;
    program.advance(kSplashTime);
    states[state / 2](program.game);
    program.shell.dispatcher().redraw();
    const std::string before = stateOf(program.game.form1);
    state % 2 ? (void)program.shell.form1().close()
              : program.shell.form1().findChild<QAction*>("msalir")->trigger();
    program.advance(5000);  // nothing ticks any more
    EXPECT_EQ(program.platform.quits, 1) << state;
    EXPECT_EQ(stateOf(program.game.form1), before) << state;
  }
}

TEST(RealTime, TheRealTimerIsArmedOnlyWhileAGameTimerIsPending) {
  ScriptedRandom random;
  RecordingPlatform platform;
  Game game(random, platform);
  Dispatcher dispatcher(game, Dispatcher::Time::Real);
  dispatcher.redraw();
  EXPECT_GT(dispatcher.realTimerRemainingMs(), 2900) << "the splash's three seconds";
  game.form6.timer1.disable();
  dispatcher.redraw();
  EXPECT_FALSE(dispatcher.realTimerArmed()) << "an idle game never wakes up";
  game.form1.timer1.enable();
  dispatcher.redraw();
  EXPECT_GT(dispatcher.realTimerRemainingMs(), 900);
}

}  // namespace
}  // namespace quimbo::test
