// The windows as a user and a screen reader meet them: what each click, key and close request
// does, which window stays with which, the link's opener, leaving, and what assistive technology
// reads. How every window looks is checked against pictures (tests/windows/CMakeLists.txt).
#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QByteArray>
#include <QChar>
#include <QColor>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFlags>
#include <QGuiApplication>
#include <QIODevice>
#include <QImage>
#include <QLabel>
#include <QList>
#include <QMessageBox>
#include <QObject>
#include <QPoint>
#include <QProcess>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QStyleHints>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <QWidgetList>
#include <Qt>
#include <array>
#include <cstddef>
#include <functional>
#include <gtest/gtest.h>
#include <initializer_list>
#include <map>
#include <string>
#include <string_view>
#include <tuple>
#include <utility>
#include <vector>

#include "core/glossary.h"
#include "core/input.h"
#include "core/model/game_state.h"
#include "core/model/windows.h"
#include "shell/clock_binding.h"
#include "shell/desktop_platform.h"
#include "shell/dispatcher.h"
#include "shell/shell.h"
#include "shell/windows/announcements.h"
#include "shell/windows/credits_window.h"
#include "shell/windows/main_window.h"
#include "shell/windows/splash_window.h"
#include "support/game_text.h"
#include "support/recording_platform.h"
#include "support/scripted_random.h"
#include "ui/fixed_window.h"
#include "ui/status_line.h"
#include "ui/title_bar.h"

// Readable failures for texts of the windows.
inline void PrintTo(const QString& text, std::ostream* out) { *out << text.toStdString(); }

namespace quimbo::test {
namespace {

QAccessibleInterface* of(QObject* object) { return QAccessible::queryAccessibleInterface(object); }

// Every node below, as "role:name", each one's parent the node it was reached from.
QStringList tree(QAccessibleInterface* node) {
  QStringList nodes{QString::number(node->role(), 16) + ":" + node->text(QAccessible::Name)};
  for (int i = 0; i < node->childCount(); ++i) {
    EXPECT_EQ(node->child(i)->parent()->object(), node->object()) << nodes[0].toStdString();
    nodes << tree(node->child(i));
  }
  return nodes;
}

// A game with all its windows over a manual clock, a scripted random source and a recording
// desktop, past its splash, and helpers to click what a user clicks.
class Windows : public testing::Test {
 protected:
  Windows() {
    // No test clicks as fast as a double-click unless it means to.
    QGuiApplication::styleHints()->setMouseDoubleClickInterval(0);
    shell.start();
    advance(kSplashTime);
  }

  MainWindow& mainWindow() { return shell.mainWindow(); }
  static QWidget* part(QWidget* window, const QString& name) {
    auto* found = window->findChild<QWidget*>(name);
    EXPECT_NE(found, nullptr) << name.toStdString();
    return found;
  }
  QAction* menuItem(const char* name) { return mainWindow().findChild<QAction*>(name); }
  // A left click on a window right where one of its parts lies (or in its middle), delivered as
  // the desktop would: to whatever takes the mouse at that spot.
  static void click(QWidget* window, QWidget* where = nullptr) {
    const QPoint at =
        where ? where->mapTo(window, where->rect().center()) : window->rect().center();
    QWidget* target = window->childAt(at) ? window->childAt(at) : window;
    QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(window, at));
  }
  // Changes the game behind the windows, the way the rules would, and redraws.
  void arrange(const std::function<void(Game&)>& change) {
    change(game);
    shell.dispatcher().redraw();
  }
  void advance(Milliseconds ms) { shell.dispatcher().send(Input::timePasses(ms)); }

  QWidget* cell(int n) {  // the click target of cell 1..9
    const std::string_view name = glossary::kClickTargets[static_cast<std::size_t>(n - 1)];
    return part(&mainWindow(), QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
  }
  QWidget* jugar() { return part(&mainWindow(), "Command5"); }
  QString mpc() { return menuItem("mpc")->text(); }
  // Gives the keyboard to `widget`, as the player would.
  static void keyboardOn(QWidget* widget) {
    widget->window()->activateWindow();
    widget->setFocus();
    ASSERT_TRUE(focusOn(widget));
  }
  // Whether the keyboard reaches `widget`, once the desktop has had a moment to move it there.
  static bool focusOn(QWidget* widget) {
    return QTest::qWaitFor([&] { return QApplication::focusWidget() == widget; }, 1000);
  }

  ScriptedRandom random;
  RecordingPlatform platform;
  Game game{random, platform};
  Shell shell{game, Dispatcher::Time::Manual};
};

TEST_F(Windows, TheMainWindowSendsEachClickAndKeyToItsOwnCellAndJugarComesFirst) {
  QWidgetList stops;
  for (QWidget* w = mainWindow().nextInFocusChain(); w != &mainWindow(); w = w->nextInFocusChain()) {
    if (w->focusPolicy() & Qt::TabFocus) stops << w;
  }
  const QWidgetList kOrder = {jugar(), cell(1), cell(2), cell(3),  cell(4),  cell(6),
                              cell(7), cell(8), cell(9), part(&mainWindow(), "Image10")};
  EXPECT_EQ(stops, kOrder) << "Jugar first, the cells row by row, the banner; none under Jugar";
  for (int n = 1; n <= 9; ++n) EXPECT_EQ(cell(n)->size(), QSize(49, 47)) << n;  // 735 x 705 twips
  random.coins({1});
  click(&mainWindow(), jugar());
  EXPECT_EQ(boardOf(game.mainWindow.panel) + game.mainWindow.status, "... ... ...Comenzá vos")
      << "the click over the centre cell was Jugar's";
  click(cell(2));
  EXPECT_EQ(boardOf(game.mainWindow.panel), ".1. ... ...");
}

// A click on an announcement acknowledges it; the desktop cannot close it unanswered.
TEST_F(Windows, AClickAcknowledgesAnAnnouncementThatTheDesktopCannotClose) {
  const std::tuple<QWidget*, AnnouncementState Game::*, const char*> kWindows[] = {
      {&shell.playerWon(), &Game::playerWon, "PC: 3"},
      {&shell.computerWon(), &Game::computerWon, "PC: 5"},
      {&shell.draw(), &Game::draw, "PC: 4"}};
  for (const auto& [window, shown, after] : kWindows) {
    arrange([&, shown = shown](Game& g) {
      playersTurn(g);
      g.mainWindow.computerScore = "     PC: 3     ";
      (g.*shown).visible = true;
    });
    EXPECT_TRUE(!window->close() && window->isVisible()) << after;
    click(window);
    EXPECT_TRUE(!window->isVisible() && mpc().trimmed() == after);
    advance(1000);
  }
  // A double-click on the result: its second click lands on Jugar, back under it, and is lost.
  QGuiApplication::styleHints()->setMouseDoubleClickInterval(900);  // in milliseconds
  arrange([](Game& g) { g.mainWindow.startButtonVisible = false, g.result = {true, "10", "0"}; });
  EXPECT_FALSE(shell.result().close());
  const QString score = mpc();
  click(&shell.result());
  EXPECT_TRUE(!shell.result().isVisible() && jugar()->isVisible());
  click(&mainWindow(), jugar());
  EXPECT_TRUE(jugar()->isVisible() && game.mainWindow.startButtonVisible && mpc() == score);
}

TEST_F(Windows, TheCreditsOpenOnceAndComeToTheFrontWhenAskedAgainAndTheNoticeHasOneButton) {
  menuItem("msobre")->trigger();
  mainWindow().activateWindow();  // the player goes back to the board, the credits behind it
  ASSERT_TRUE(QTest::qWaitForWindowActive(&mainWindow()));
  advance(1000);
  QApplication::processEvents();
  EXPECT_TRUE(mainWindow().isActiveWindow()) << "the game goes on, the board keeps the keyboard";
  menuItem("msobre")->trigger();
  int shown = 0;
  for (const QWidget* top : QApplication::topLevelWidgets()) shown += top->isVisible();
  EXPECT_EQ(shown, 2) << "the board and one credits window";
  EXPECT_TRUE(focusOn(part(&shell.credits(), "Command1"))) << "in front, with the keyboard";
  EXPECT_TRUE(!shell.credits().close() && shell.credits().isVisible()) << "it goes only by Aceptar";
  click(&shell.credits(), part(&shell.credits(), "Command1"));
  EXPECT_FALSE(shell.credits().isVisible());
  platform.browserStarts = false;
  click(part(&mainWindow(), "Image10"));
  auto* notice = mainWindow().findChild<QMessageBox*>("BrowserNotice");
  ASSERT_TRUE(notice && notice->isVisible() && !notice->isModal() && notice->buttons().size() == 1);
  notice->buttons()[0]->click();
  EXPECT_FALSE(notice->isVisible() || game.browserNotice.visible);
}

// The desktop's opener is whatever xdg-open comes first on the PATH: here a script that ends as
// told, as a working browser or a missing one would.
TEST(DesktopLink, AnOpenerThatFailsIsReportedAndOneThatWorksIsNot) {
  const QByteArray site = "https://www.rinconludico.example/";
  QTemporaryDir bin;
  ASSERT_TRUE(bin.isValid()) << "no folder for the stub opener: " << bin.errorString().toStdString();
  const QByteArray path = qgetenv("PATH");
  qputenv("PATH", bin.path().toUtf8() + ":" + path);
  for (const int exitCode : {3, 0}) {
    QFile opener(bin.filePath("xdg-open"));
    ASSERT_TRUE(opener.open(QIODevice::WriteOnly | QIODevice::Truncate))
        << "cannot write the stub opener " << opener.fileName().toStdString() << ": "
        << opener.errorString().toStdString();
    opener.write("#!/bin/sh\n[ \"$1\" = " + site + " ] || exit 9\nexit " +
                 QByteArray::number(exitCode) + "\n");
    opener.close();
    ASSERT_TRUE(opener.setPermissions(opener.permissions() | QFile::ExeOwner))
        << "cannot make the stub opener executable: " << opener.errorString().toStdString();
    DesktopPlatform platform;
    int failures = 0;
    QObject::connect(&platform, &DesktopPlatform::openFailed, [&] { ++failures; });
    EXPECT_TRUE(platform.openUrl(site.toStdString()));
    EXPECT_TRUE(QTest::qWaitFor([&] { return platform.findChildren<QProcess*>().isEmpty(); }));
    EXPECT_EQ(failures, exitCode == 0 ? 0 : 1) << "the opener exits " << exitCode;
  }
  QFile::remove(bin.filePath("xdg-open"));  // no opener at all
  EXPECT_FALSE(DesktopPlatform().openUrl(site.toStdString()));
  qputenv("PATH", path);
}

// Leaving ends the program at once, even while a window that waits for its answer refuses to close.
TEST(DesktopLeaving, EndsTheProgramWhateverWindowIsWaiting) {
  ui::FixedWindow waiting(QSize(10, 10), ui::FixedWindow::Chrome::Borderless, Qt::white);
  waiting.showCentred();
  DesktopPlatform desktop;
  QEventLoop program;
  QTimer::singleShot(0, &program, [&] { desktop.quit(); });
  QTimer::singleShot(500, &program, [&] { program.exit(1); });  // still running: it never ended
  EXPECT_EQ(program.exec(), 0);
}

TEST(Program, OpensOnTheSplashWhichCannotBeClosedAndEndsFromTheCloseButton) {
  ScriptedRandom random;
  RecordingPlatform platform;
  Game game(random, platform);
  Shell shell(game, Dispatcher::Time::Manual);
  shell.start();
  EXPECT_FALSE(shell.splash()->close()) << "that would leave the program without a window";
  EXPECT_TRUE(shell.splash()->windowType() == Qt::SplashScreen && !shell.splash()->parentWidget() &&
              shell.splash()->windowFlags().testFlag(Qt::FramelessWindowHint));
  EXPECT_EQ(tree(of(shell.splash())),
            QString::fromUtf8("9:Quimbo|29:Juego de tablero|29:Versión 1.0|29:22/01/2002|"
                              "29:Plataforma W95/98/Me/XP|29:Vandrel Software")
                .split('|'))
      << "no picture, border or empty label between the splash and its texts";
  EXPECT_EQ(of(shell.splash())->text(QAccessible::Description),
            QString::fromUtf8("Juego de tablero. Versión 1.0. Vandrel Software."));
  shell.dispatcher().send(Input::timePasses(kSplashTime));
  EXPECT_TRUE(!shell.splash() && shell.mainWindow().isVisible()) << "the splash gives way to the board";
  game.mainWindow.computerMove.enable();
  shell.mainWindow().close();
  EXPECT_TRUE(platform.quits == 1 && game.ended);
}

TEST_F(Windows, AScreenReaderReadsCleanNamesAndNothingDecorativeOrInternal) {
  QAccessibleInterface* status = of(mainWindow().findChild<QLabel*>("Label1"));
  QStringList expected{"9:Quimbo v1.0"};  // the window's controls, no blank, nothing internal
  for (const char* place : {"superior izquierda", "superior central", "superior derecha",
                            "central izquierda", "central", "central derecha",
                            "inferior izquierda", "inferior central", "inferior derecha"}) {
    expected << QString::fromUtf8("2b:Casilla %1: vacía").arg(place);
  }
  const auto news = ui::StatusLine::kAnnounces ? QAccessible::StaticText : QAccessible::Notification;
  expected << "2b:Jugar" << QString::number(news, 16) + QString::fromUtf8(":Pulsá Jugar para empezar.")
           << QString::fromUtf8("2b:Rincón Lúdico") << "2:" << "c:Sobre" << "29:PC: 0"
           << "29:Jug: 0" << "c:Salir";
  EXPECT_EQ(tree(of(&mainWindow())), expected);
  EXPECT_EQ(of(menuItem("mpc"))->actionInterface(), nullptr) << "the score is read, not pressed";
  arrange([](Game& g) { g.news = {"Comenzá vos.", g.news.number + 1}, g.mainWindow.status.clear(); });
  EXPECT_EQ(status->text(QAccessible::Name), "Comenzá vos.");
  EXPECT_EQ(status->textInterface()->text(0, status->textInterface()->characterCount()),
            "Comenzá vos.")
      << "the news can be read again once the line on screen is blank";
  EXPECT_EQ(of(cell(1))->text(QAccessible::Description), "Todavía no hay partida: pulsá Jugar.");
  of(cell(1))->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
  EXPECT_TRUE(QTest::qWaitFor([&] {
    return game.news.text == "Todavía no hay partida: pulsá Jugar.";
  })) << "a screen reader's press reaches the game, which tells why it refused it";
}

// The credits are read without their pictures and borders; each announcement is one alert that says
// what happened and what to do.
TEST_F(Windows, AScreenReaderHearsTheCreditsAndTheAnnouncementsAsThePlayerNeedsThem) {
  menuItem("msobre")->trigger();
  EXPECT_EQ(tree(of(&shell.credits())),
            QString::fromUtf8("9:Quimbo: créditos|14:Estrategia y testeo|29:Marina Alcázar|"
                              "29:marina@vandrel.example|14:Programación|29:Tomás Iriarte|"
                              "29:tomas@vandrel.example|29:Edición especial dedicada a nuestros "
                              "amigos de Rincón Lúdico|2b:Aceptar")
                .split('|'));
  arrange([](Game& g) { g.result = {true, "6", "4"}; });
  const std::pair<QWidget*, const char*> kAlerts[] = {
      {&shell.playerWon(), "Ganador|Ganaste la ronda. Hacé clic o pulsá Enter para seguir."},
      {&shell.computerWon(), "Ganador|La PC ganó la ronda. Hacé clic o pulsá Enter para seguir."},
      {&shell.draw(), "Empate|La ronda terminó empatada. Hacé clic o pulsá Enter para seguir."},
      {&shell.result(),
       "Resultado Final|La PC hizo 6 puntos y vos 4. Hacé clic o pulsá Enter para jugar otra."}};
  for (const auto& [window, alert] : kAlerts) {
    const QStringList said = QString::fromUtf8(alert).split('|');
    EXPECT_EQ(tree(of(window)), QStringList{"8:" + said[0]}) << "one alert, no insides";
    EXPECT_EQ(of(window)->text(QAccessible::Description), said[1]);
  }
}

// What kind of window each one is to the desktop: the board a window of its own that can be
// minimised and closed but not maximised, and every other window (the splash aside) a borderless
// dialog of the board's, which the desktop keeps above it.
TEST_F(Windows, EveryWindowIsOfItsKind) {
  for (QWidget* window : QWidgetList{&shell.playerWon(), &shell.computerWon(), &shell.draw(),
                                     &shell.result(), &shell.credits()}) {
    EXPECT_TRUE(window->windowType() == Qt::Dialog && window->parentWidget() == &mainWindow() &&
                window->windowFlags().testFlag(Qt::FramelessWindowHint))
        << window->objectName().toStdString();
  }
  const Qt::WindowFlags board = mainWindow().windowFlags();
  EXPECT_TRUE(mainWindow().windowType() == Qt::Window && !mainWindow().parentWidget() &&
              !board.testFlag(Qt::FramelessWindowHint));
  EXPECT_TRUE(board.testFlags(Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint) &&
              !board.testFlag(Qt::WindowMaximizeButtonHint) &&
              mainWindow().minimumSize() == mainWindow().maximumSize());
}

// The texts a player meets that no picture of a window shows: titles, the browser notice, and what
// a screen reader is told of the controls.
TEST_F(Windows, EveryTextOutsideThePicturesReadsExactly) {
  platform.browserStarts = false;
  click(part(&mainWindow(), "Image10"));
  auto* notice = mainWindow().findChild<QMessageBox*>("BrowserNotice");
  ASSERT_NE(notice, nullptr);
  QWidget* banner = part(&mainWindow(), "Image10");
  const std::pair<QString, const char*> kTexts[] = {
      {mainWindow().windowTitle(), " Quimbo v1.0"},
      {notice->windowTitle(), "Quimbo"},
      {notice->text(), "No se pudo abrir el navegador.\nVisitá www.rinconludico.example cuando quieras."},
      {notice->buttons().value(0)->text(), "Aceptar"},
      {jugar()->accessibleName(), "Jugar"},
      {jugar()->accessibleDescription(), "Empieza una partida de cinco rondas"},
      {banner->accessibleName(), "Rincón Lúdico"},
      {banner->accessibleDescription(), "Abre www.rinconludico.example en el navegador"},
  };
  for (const auto& [text, expected] : kTexts) EXPECT_EQ(text, QString::fromUtf8(expected));
}

// The real timer waits exactly until the game's next deadline by the desktop's clock, here one
// moved by hand, and not at all while nothing is due.
TEST(RealTime, TheTimerWaitsForTheGamesNextDeadlineAndSleepsWhenNoneIsDue) {
  ScriptedRandom random;
  RecordingPlatform platform;
  Game game(random, platform);
  Milliseconds now = 50'000;  // the desktop's clock when the program starts
  Dispatcher dispatcher(game, Dispatcher::Time::Real, nullptr, [&] { return now; });
  dispatcher.redraw();
  EXPECT_EQ(dispatcher.realTimerWaitMs(), 3000) << "the splash's three seconds";
  now += 1200;
  dispatcher.redraw();
  EXPECT_EQ(dispatcher.realTimerWaitMs(), 1800);
  now += 2000;
  random.coins({0, 0});  // the computer opens, in the centre
  dispatcher.send({Action::PressStart});  // the splash's time passed before the press
  EXPECT_EQ(game.clock.now(), 3200);
  EXPECT_EQ(dispatcher.realTimerWaitMs(), 1000) << "the opening piece a second later";
  now += 1000;
  dispatcher.send(Input::timePasses(0));
  EXPECT_EQ(boardOf(game.mainWindow.panel), "... .0. ...");
  EXPECT_EQ(dispatcher.realTimerWaitMs(), -1) << "the player's turn: nothing to wake for";
  QElapsedTimer desktop;  // and the real clock counts milliseconds of the system's steady time
  desktop.start();
  EXPECT_NEAR(steadyMilliseconds(), desktop.msecsSinceReference(), 100);
}

// A control shows its focus ring only where the keyboard is, and only once the player moves it
// with the keyboard, as the desktop's own styles do. The cells draw nothing else.
TEST_F(Windows, AFocusRingShowsOnlyWhereTheKeyboardMovedTo) {
  const auto looks = [](QWidget* control) { return control->grab().toImage(); };
  const QImage plain = looks(cell(2));
  arrange([](Game& g) { playersTurn(g); });
  mainWindow().activateWindow();
  cell(5)->setFocus(Qt::MouseFocusReason);  // as a click gives it
  ASSERT_TRUE(focusOn(cell(5)));
  EXPECT_EQ(looks(cell(5)), plain) << "no ring before the keyboard is used";
  QTest::keyClick(cell(5), Qt::Key_Up);
  ASSERT_TRUE(focusOn(cell(2)));
  EXPECT_NE(looks(cell(2)), plain) << "the ring where the keyboard went";
  EXPECT_EQ(looks(cell(5)), plain) << "and nowhere else";
}

// The buttons look pressed while held down: their lit edge turns dark.
TEST_F(Windows, APressedButtonLooksPushedIn) {
  auto* start = static_cast<QAbstractButton*>(jugar());
  const QColor up = start->grab().toImage().pixelColor(0, 0);
  start->setDown(true);
  const QColor down = start->grab().toImage().pixelColor(0, 0);
  EXPECT_TRUE(up == Qt::white && down.lightness() < up.lightness()) << down.name().toStdString();
}

// The banner's pointer clicks where its fingertip is drawn: the middle of the picture's top row.
TEST_F(Windows, TheBannersPointerClicksWithItsFingertip) {
  const QImage pointer(":/pictures/link_cursor.png");
  QList<QPoint> tip;  // the drawn pixels of the picture's top row
  for (int y = 0; y < pointer.height() && tip.isEmpty(); ++y) {
    for (int x = 0; x < pointer.width(); ++x) {
      if (qAlpha(pointer.pixel(x, y))) tip << QPoint(x, y);
    }
  }
  ASSERT_FALSE(tip.isEmpty());
  EXPECT_EQ(part(&mainWindow(), "Image10")->cursor().hotSpot(), (tip.first() + tip.last()) / 2);
}

// On Wayland the game draws its own title bar; Tab never stops on its buttons.
TEST(TitleBar, ItsButtonsTakeNoTabStop) {
  QWidget window;
  const ui::TitleBar bar(&window);
  for (const QWidget* button : bar.findChildren<QWidget*>()) {
    EXPECT_EQ(button->focusPolicy(), Qt::NoFocus) << button->accessibleName().toStdString();
  }
}

TEST_F(Windows, ArrowsMoveOnTheBoardAndStayOnIt) {
  const auto walk = [this](const char* steps) {  // each step a key and where the keyboard lands
    const std::map<QChar, Qt::Key> keys = {
        {'U', Qt::Key_Up}, {'D', Qt::Key_Down}, {'L', Qt::Key_Left}, {'R', Qt::Key_Right}};
    for (const QString& step : QString(steps).split(' ')) {
      QTest::keyClick(QApplication::focusWidget(), keys.at(step[0]));
      EXPECT_EQ(QApplication::focusWidget(), step[1] == 'J' ? jugar() : cell(step.mid(1).toInt()))
          << step.toStdString();
    }
  };
  keyboardOn(jugar());
  walk("U2 L1 U1 L1 D4 RJ R6 D9 D9 R9 L8 UJ");  // J is Jugar, over the centre
  arrange([](Game& g) { playersTurn(g); });     // during a round Jugar is hidden
  keyboardOn(cell(4));
  walk("R5 U2 D5 R6 L5 D8");
}

// Every key the README names, on the main keyboard and the keypad: what it presses, and where the
// keyboard is afterwards. A window that closes gives it back where the player left it.
TEST_F(Windows, EveryKeyPressesWhatItNamesAndTheKeyboardStaysWithThePlayer) {
  using Key = std::tuple<Qt::Key, Qt::KeyboardModifiers, const char*>;  // and the key's name
  const std::vector<Key> kPresses = {{Qt::Key_Return, Qt::NoModifier, "Enter"},
                                     {Qt::Key_Enter, Qt::KeypadModifier, "keypad Enter"},
                                     {Qt::Key_Space, Qt::NoModifier, "Space"}};
  const std::vector<Key> kAcknowledges = {kPresses[0], kPresses[1], kPresses[2],
                                          {Qt::Key_Escape, Qt::NoModifier, "Escape"}};
  const auto press = [](const Key& key) {
    QTest::keyClick(QApplication::focusWidget(), std::get<0>(key), std::get<1>(key));
  };
  for (const Key& key : kPresses) {
    const char* name = std::get<2>(key);
    arrange([](Game& g) { g.mainWindow.startButtonVisible = true; });
    random.coins({1});
    keyboardOn(jugar());
    press(key);
    EXPECT_FALSE(game.mainWindow.startButtonVisible) << name << " presses Jugar";
    EXPECT_TRUE(focusOn(cell(5))) << name << ": after Jugar, the board";
    keyboardOn(cell(7));
    press(key);
    EXPECT_EQ(boardOf(game.mainWindow.panel), "... ... 1..") << name << " takes the cell";
    EXPECT_TRUE(focusOn(cell(7))) << name;
  }
  // An announcement takes the keyboard and gives it back where the player was; after the result,
  // on Jugar.
  const std::tuple<QWidget*, std::function<void(Game&)>, QWidget*> kAnnouncements[] = {
      {&shell.playerWon(), [](Game& g) { g.playerWon.visible = true; }, cell(3)},
      {&shell.computerWon(), [](Game& g) { g.computerWon.visible = true; }, cell(3)},
      {&shell.draw(), [](Game& g) { g.draw.visible = true; }, cell(3)},
      {&shell.result(), [](Game& g) { g.result = {true, "6", "4"}; }, jugar()}};
  for (const auto& [window, show, after] : kAnnouncements) {
    for (const Key& key : kAcknowledges) {
      arrange([](Game& g) { playersTurn(g); });
      keyboardOn(cell(3));
      arrange(show);
      EXPECT_TRUE(focusOn(window)) << "the announcement takes the keyboard";
      press(key);
      EXPECT_FALSE(window->isVisible()) << std::get<2>(key);
      EXPECT_TRUE(focusOn(after)) << "the keyboard back with the player";
    }
  }
  for (const Key& key : {kPresses[0], kPresses[1]}) {
    keyboardOn(cell(3));
    menuItem("msobre")->trigger();
    EXPECT_TRUE(focusOn(part(&shell.credits(), "Command1"))) << "the credits on Aceptar";
    press(key);
    EXPECT_FALSE(shell.credits().isVisible()) << std::get<2>(key) << " presses Aceptar";
    EXPECT_TRUE(focusOn(cell(3))) << "back on the board";
  }
}

}  // namespace
}  // namespace quimbo::test

// Headless: offscreen unless the environment says otherwise.
int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
