// The windows around the board: the announcements and the result (sizes, every click source, the
// score after each), the splash, the credits, the link, and leaving from every state.
#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QProcess>
#include <QTemporaryDir>
#include <QWindow>

#include "shell/windows/credits_window.h"
#include "shell/windows/splash_window.h"
#include "shell/windows/announcements.h"
#include "support/game_text.h"
#include "shell/desktop_platform.h"
#include "ui/frame.h"
#include "windows/window_fixture.h"

namespace quimbo::test {
namespace {

using enum Field;

class Panels : public WindowTest {
protected:
  QString text(QWidget* window, const char* label) {
    return window->findChild<QLabel*>(label)->text();
  }
  static QSize clientOf(QWidget* window) {
    return static_cast<ui::FixedWindow*>(window)->client()->size();
  }
};

TEST_F(Panels, AreBorderlessWindowsOfTheirOwnSizesAndTexts) {
  const std::tuple<QWidget*, QSize, const char*> panels[] = {
      {&shell.form2(), {184, 156}, "Ganador"}, {&shell.form3(), {184, 157}, "Ganador"},
      {&shell.form4(), {183, 167}, "Resultado Final"}, {&shell.form5(), {193, 158}, "Empate"},
      {&shell.form7(), {296, 245}, " Estrategia y testeo "}};
  for (const auto& [window, size, words] : panels) {
    EXPECT_EQ(clientOf(window), size) << window->objectName().toStdString();
    EXPECT_TRUE(window->windowFlags() & Qt::FramelessWindowHint);
    QStringList texts;
    for (const QLabel* label : window->findChildren<QLabel*>()) texts << label->text();
    for (const ui::Frame* frame : window->findChildren<ui::Frame*>()) texts << frame->caption();
    EXPECT_TRUE(texts.contains(QString::fromUtf8(words))) << words;
  }
}

TEST_F(Panels, EveryPartOfAnAnnouncementAcknowledgesItAndTheScoreFollows) {
  struct Source {
    QWidget* window;
    TimedWindow Game::*state;
    QStringList parts;
    const char* scores;  // mpc + mjug after the click, from 3 and 4 points
  };
  const QStringList board = {"", "Frame1", "Label1", "Picture1"};
  const Source sources[] = {
      {&shell.form2(), &Game::form2, board, "     PC: 3         Jug: 6     "},
      {&shell.form3(), &Game::form3, board, "     PC: 5         Jug: 4     "},
      {&shell.form5(), &Game::form5,
       board + QStringList{"Picture2", "Picture3", "Picture4", "Picture5", "Picture6"},
       "     PC: 4         Jug: 5     "}};
  for (const Source& source : sources) {
    for (const QString& name : source.parts) {
      arrange([&](Game& g) {
        g.form1.command5Visible = false;
        g.form1.panel.setText(Text25, "0");
        g.form1.panel.setText(Text22, "0");
        g.form1.mpc = "     PC: 3     ";
        g.form1.mjug = "    Jug: 4     ";
        (g.*source.state).visible = true;
      });
      click(source.window, name.isEmpty() ? nullptr : part(source.window, name));
      EXPECT_FALSE(source.window->isVisible()) << name.toStdString();
      EXPECT_EQ((menuItem("mpc")->text() + menuItem("mjug")->text()).toStdString(), source.scores);
      advance(1000);
    }
  }
  arrange([](Game& g) { g.form2.visible = true; });
  QTest::keyClick(&shell.form2(), Qt::Key_Return);
  EXPECT_FALSE(shell.form2().isVisible()) << "the keyboard acknowledges too";
}

TEST_F(Panels, TheResultShowsBothTotalsAndAnyPartOfItLeadsBackToTheStartButton) {
  for (const char* name :
       {"", "Frame1", "Frame2", "Label1", "Label2", "Label3", "Picture1", "Picture2"}) {
    arrange([](Game& g) {
      g.form1.command5Visible = false;
      g.form4 = {true, "10", "0"};
    });
    EXPECT_EQ(text(&shell.form4(), "Label2") + "/" + text(&shell.form4(), "Label3"), "10/0");
    click(&shell.form4(), *name ? part(&shell.form4(), name) : nullptr);
    EXPECT_FALSE(shell.form4().isVisible()) << name;
    EXPECT_TRUE(part(&form1(), "Command5")->isVisible()) << name;
  }
}

// A game of its own, freshly started: the splash is on screen.
struct FreshProgram {
  FreshProgram() { shell.start(); }
  ScriptedRandom random;
  RecordingPlatform platform;
  Game game{random, platform};
  Shell shell{game, Dispatcher::Time::Manual};
};

TEST(Splash, ShowsItsTitleDataForThreeSecondsThenTheMainWindowReplacesIt) {
  FreshProgram program;
  Shell& shell = program.shell;
  SplashWindow* splash = shell.form6();
  EXPECT_EQ(splash->client()->size(), QSize(314, 200));
  EXPECT_TRUE(splash->windowFlags() & Qt::FramelessWindowHint);
  for (const char* name : {"Label1", "Label2", "Label3", "Label4", "Label7"}) {
    const QLabel* label = splash->findChild<QLabel*>(name);
    EXPECT_FALSE(label->text().isEmpty()) << name;
  }
  EXPECT_EQ(splash->findChild<QLabel*>("Label2")->text(), "22/01/2002");
  EXPECT_EQ(splash->findChild<QLabel*>("Label2")->palette().color(QPalette::WindowText), Qt::red);
  shell.dispatcher().send(Input::timePasses(2999));
  EXPECT_TRUE(splash->isVisible() && !shell.form1().isVisible());
  shell.dispatcher().send(Input::timePasses(1));
  EXPECT_TRUE(!splash->isVisible() && shell.form1().isVisible());
  EXPECT_EQ(shell.form6(), nullptr) << "unloaded";
}

TEST_F(Panels, TheCreditsOpenOnceFromTheMenuAndAceptarHidesThem) {
  menuItem("msobre")->trigger();
  menuItem("msobre")->trigger();
  int shown = 0;
  for (const QWidget* top : QApplication::topLevelWidgets()) {
    shown += top->objectName() == "Form7" && top->isVisible();
  }
  EXPECT_EQ(shown, 1);
  click(&shell.form7(), part(&shell.form7(), "Command1"));
  EXPECT_FALSE(shell.form7().isVisible());
}

TEST_F(Panels, TheBannerOpensTheSiteOncePerClickAndAMissingBrowserGetsAMessage) {
  click(part(&form1(), "Image10"));
  click(part(&form1(), "Image10"));
  EXPECT_EQ(platform.opened.size(), 2u);
  platform.browserWorks = false;
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
  for (const int exitCode : {3, 0}) {
    QFile opener(bin.filePath("xdg-open"));
    opener.open(QIODevice::WriteOnly | QIODevice::Truncate);
    opener.write(QByteArray("#!/bin/sh\n[ \"$1\" = https://www.rinconludico.example/ ] || exit 9\n") +
                 "exit " + QByteArray::number(exitCode) + "\n");
    opener.close();
    opener.setPermissions(opener.permissions() | QFile::ExeOwner);
    qputenv("PATH", bin.path().toUtf8() + ":" + path);
    DesktopPlatform platform;
    int failures = 0;
    QObject::connect(&platform, &DesktopPlatform::openFailed, [&] { ++failures; });
    EXPECT_TRUE(platform.openUrl("https://www.rinconludico.example/"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return platform.findChildren<QProcess*>().isEmpty(); }));
    EXPECT_EQ(failures, exitCode == 0 ? 0 : 1) << "opener exits " << exitCode;
  }
  QFile::remove(bin.filePath("xdg-open"));  // no opener at all
  EXPECT_FALSE(DesktopPlatform().openUrl("https://www.rinconludico.example/"));
  qputenv("PATH", path);
}

TEST_F(Panels, TheDesktopCannotCloseWhatTheGameStillWaitsFor) {
  arrange([](Game& g) {
    g.form1.command5Visible = false;
    g.form5.visible = true;
    g.form7.visible = true;
  });
  for (QWidget* window : {static_cast<QWidget*>(&shell.form5()), static_cast<QWidget*>(&shell.form7())}) {
    EXPECT_EQ(window->windowType(), Qt::Dialog);
    EXPECT_EQ(window->windowHandle()->transientParent(), form1().windowHandle())
        << "kept above the board and minimised with it";
    EXPECT_FALSE(window->close()) << "Alt+F4 is refused";
    EXPECT_TRUE(window->isVisible());
  }
  QTest::keyClick(&shell.form7(), Qt::Key_Return);
  EXPECT_FALSE(shell.form7().isVisible()) << "Enter presses Aceptar";
  click(&shell.form5());
  EXPECT_EQ(menuItem("mpc")->text(), "     PC: 1     ") << "the draw is still acknowledged";
}

TEST_F(Panels, TheSecondClickOfADoubleClickOnTheResultDoesNotStartAMatch) {
  QGuiApplication::styleHints()->setMouseDoubleClickInterval(40);
  arrange([](Game& g) {
    g.form1.command5Visible = false;
    g.form1.mpc = "     PC: 8     ";
    g.form4 = {true, "8", "2"};
  });
  click(&shell.form4());
  click(&form1(), part(&form1(), "Command5"));
  EXPECT_TRUE(part(&form1(), "Command5")->isVisible());
  EXPECT_EQ(menuItem("mpc")->text(), "     PC: 8     ");
  QTest::qWait(50);
  random.coins({1});
  click(&form1(), part(&form1(), "Command5"));
  EXPECT_FALSE(part(&form1(), "Command5")->isVisible()) << "a click after the moment starts one";
}

TEST(Leaving, SalirAndTheCloseButtonEndTheProgramFromEveryState) {
  // Idle, opening pending, computer to move, outcome pending, outcome open, next round pending,
  // result open, credits open.
  const std::function<void(Game&)> states[] = {
      [](Game&) {},
      [](Game& g) { g.form1.timer2.enable(); },
      [](Game& g) { g.form1.timer1.enable(); },
      [](Game& g) { g.form1.timer3.enable(); },
      [](Game& g) { g.form2.visible = true; },
      [](Game& g) { g.form5.timer1.enable(); },
      [](Game& g) { g.form4.visible = true; },
      [](Game& g) { g.form7.visible = true; }};
  for (bool closeButton : {false, true}) {
    for (std::size_t state = 0; state < std::size(states); ++state) {
      FreshProgram program;
      Shell& shell = program.shell;
      shell.dispatcher().send(Input::timePasses(3000));
      states[state](program.game);
      shell.dispatcher().redraw();
      const std::string before = stateOf(program.game.form1);
      if (closeButton) {
        shell.form1().close();
      } else {
        shell.form1().findChild<QAction*>("msalir")->trigger();
      }
      shell.dispatcher().send(Input::timePasses(5000));  // nothing ticks any more
      EXPECT_EQ(program.platform.quits, 1) << state;
      EXPECT_EQ(stateOf(program.game.form1), before) << state;
    }
  }
}

}  // namespace
}  // namespace quimbo::test
