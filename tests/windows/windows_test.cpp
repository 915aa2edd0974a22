// The windows as a player, a screen reader and the desktop meet them, as tables: what each window
// is to the desktop, what each click and key does, how each kind of button looks held down, what
// assistive technology reads, the link's opener, the drawn title bar and the real timer. How every
// window looks is checked against pictures (tests/windows/CMakeLists.txt).
#include "core/model/windows.h"

#include <gtest/gtest.h>

#include <QtTest>
#include <QtWidgets>
#include <cstddef>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "core/glossary.h"
#include "core/input.h"
#include "core/model/game_state.h"
#include "shell/application.h"
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

// Whether a node's extents on the screen cover its control, as a magnifier relies on.
bool standsWhereItIs(QAccessibleInterface* node) {
  const QPoint centre = node->rect().center();
  if (auto* item = qobject_cast<QAction*>(node->object())) {
    auto* bar = qobject_cast<QMenuBar*>(item->parent());
    return bar && bar->actionAt(bar->mapFromGlobal(centre)) == item && !node->state().invisible;
  }
  auto* widget = qobject_cast<QWidget*>(node->object());
  return widget && !node->rect().isEmpty() &&
         widget->rect().contains(widget->mapFromGlobal(centre));
}

// Every node below as "role:name", each one's parent the node it was reached from.
QStringList tree(QAccessibleInterface* node) {
  QStringList nodes{QString::number(node->role(), 16) + ":" + node->text(QAccessible::Name)};
  EXPECT_TRUE(standsWhereItIs(node)) << nodes[0].toStdString();
  for (int i = 0; i < node->childCount(); ++i) {
    EXPECT_EQ(node->child(i)->parent()->object(), node->object()) << nodes[0].toStdString();
    nodes << tree(node->child(i));
  }
  return nodes;
}

// A game past its splash, its windows over a manual clock, scripted chance and a recording desktop.
class Windows : public testing::Test {
 protected:
  Windows() {
    QGuiApplication::styleHints()->setMouseDoubleClickInterval(0);  // no click is a double-click
    shell.start();
    shell.dispatcher().send(Input::timePasses(kSplashTime));
  }

  MainWindow& mainWindow() { return shell.mainWindow(); }
  static QWidget* part(QWidget* window, const QString& name) { return window->findChild<QWidget*>(name); }
  QAction* menuItem(const char* name) { return mainWindow().findChild<QAction*>(name); }
  // A press on a part and a release there or `away`, to whatever takes the mouse at that spot.
  static void click(QWidget* where, Qt::MouseButton button = Qt::LeftButton, QPoint away = {}) {
    QWidget* window = where->window();
    const QPoint at = where->mapTo(window, where->rect().center());
    QWidget* target = window->childAt(at) ? window->childAt(at) : window;
    QTest::mousePress(target, button, {}, target->mapFrom(window, at));
    QTest::mouseRelease(target, button, {}, target->mapFrom(window, at + away));
  }
  // Changes the game behind the windows, the way the rules would, and redraws.
  void arrange(const std::function<void(Game&)>& change) {
    change(game);
    shell.dispatcher().redraw();
  }

  QWidget* cell(int n) {  // the click target of cell 1..9
    const std::string_view name = glossary::kClickTargets[static_cast<std::size_t>(n - 1)];
    return part(&mainWindow(), QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
  }
  QWidget* jugar() { return part(&mainWindow(), "Command5"); }
  QWidget* banner() { return part(&mainWindow(), "Image10"); }
  QWidget* aceptar() { return part(&shell.credits(), "Command1"); }
  QMessageBox* browserNotice() {
    platform.browserStarts = false;
    click(banner());
    return mainWindow().findChild<QMessageBox*>("BrowserNotice");
  }
  void showEveryWindow() {  // as no game shows them: all at once
    arrange([](Game& g) {
      g.playerWon.visible = g.computerWon.visible = g.draw.visible = g.credits.visible = true;
      g.result = {true, "6", "4"};
    });
  }
  static void keyboardOn(QWidget* widget) {
    widget->window()->activateWindow();
    widget->setFocus();
    ASSERT_TRUE(focusOn(widget));
  }
  static bool focusOn(QWidget* widget) {
    return QTest::qWaitFor([&] { return QApplication::focusWidget() == widget; }, 1000);
  }

  ScriptedRandom random;
  RecordingPlatform platform;
  Game game{random, platform};
  Shell shell{game, Dispatcher::Time::Manual};
};

// The board a fixed window with its menu bar inside; every other window a dialog it owns, which
// the desktop cannot close but for the framed notice; each with the icon, centred by its real size.
TEST_F(Windows, EveryWindowIsOfItsKindWithTheGamesIconAndOpensCentred) {
  arrange([](Game& g) { g.result = {true, "6", "4"}; });  // built when the game first shows it
  ASSERT_TRUE(part(&mainWindow(), "Form4") && shell.result().isVisible());
  QMessageBox* notice = browserNotice();
  ASSERT_NE(notice, nullptr);
  showEveryWindow();
  const QImage icon = QImage(":/pictures/icon-64.png").convertToFormat(QImage::Format_ARGB32);
  const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
  for (QWidget* window : QWidgetList{&mainWindow(), &shell.playerWon(), &shell.computerWon(),
                                     &shell.draw(), &shell.result(), &shell.credits(), notice}) {
    const std::string name = window->objectName().toStdString();
    const bool board = window == &mainWindow();  // and the rest are the board's dialogs
    EXPECT_TRUE(window->isVisible() && window->windowType() == (board ? Qt::Window : Qt::Dialog) &&
                window->parentWidget() == (board ? nullptr : &mainWindow()))
        << name;
    EXPECT_EQ(window->windowFlags().testFlag(Qt::FramelessWindowHint), !board && window != notice) << name;
    EXPECT_EQ(window->windowIcon().pixmap(64).toImage().convertToFormat(icon.format()), icon) << name;
    const QPoint offCentre = window->frameGeometry().center() - screen.center();
    EXPECT_TRUE(window == notice || offCentre.manhattanLength() <= 1) << name << " off centre";
    EXPECT_TRUE(board || window == notice || (!window->close() && window->isVisible())) << name;
  }
  const Qt::WindowFlags board = mainWindow().windowFlags();
  EXPECT_TRUE(board.testFlags(Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint) &&
              !board.testFlag(Qt::WindowMaximizeButtonHint) &&
              mainWindow().minimumSize() == mainWindow().maximumSize());
  const QImage hand(":/pictures/link_cursor.png");  // the banner's pointer clicks with its tip
  const QPoint tip = banner()->cursor().hotSpot();
  EXPECT_TRUE(qAlpha(hand.pixel(tip)) && (!tip.y() || !qAlpha(hand.pixel(tip - QPoint(0, 1)))));
  const QString menuEntry = QGuiApplication::desktopFileName() + ".desktop";
  EXPECT_TRUE(QFileInfo::exists(QUIMBO_PACKAGING_DIR "/" + menuEntry)) << menuEntry.toStdString();
  EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Cancelar");
  mainWindow().close();
  EXPECT_TRUE(game.ended && platform.quits == 1) << "closing the board ends the game";
}

// Only the credits grow by their border: the pointer says which way, a press grabs that edge.
TEST_F(Windows, TheCreditsBorderShowsAndGrabsTheEdgeUnderThePointer) {
  arrange([](Game& g) { g.credits.visible = true; });
  ui::FixedWindow& credits = shell.credits();
  const int r = credits.width() - 1, b = credits.height() - 1, x = r / 2, y = b / 2;
  using enum Qt::CursorShape;
  using enum Qt::Edge;
  const std::tuple<QPoint, Qt::CursorShape, Qt::Edges> kBorder[] = {
      {{0, 0}, SizeFDiagCursor, TopEdge | LeftEdge},  {{x, 3}, SizeVerCursor, TopEdge},
      {{r, 0}, SizeBDiagCursor, TopEdge | RightEdge}, {{3, y}, SizeHorCursor, LeftEdge},
      {{r - 3, y}, SizeHorCursor, RightEdge},         {{0, b}, SizeBDiagCursor, BottomEdge | LeftEdge},
      {{x, b - 3}, SizeVerCursor, BottomEdge},        {{r, b}, SizeFDiagCursor, BottomEdge | RightEdge},
      {{4, 4}, ArrowCursor, {}},                      {{r - 4, b - 4}, ArrowCursor, {}}};
  QTest::mouseMove(credits.windowHandle(), {1, 1});  // the pointer comes in
  for (const auto& [at, pointer, edges] : kBorder) {
    QTest::mouseMove(credits.windowHandle(), at);  // through the desktop, as a pointer moves
    const QWidget* under = credits.childAt(at) ? credits.childAt(at) : &credits;
    EXPECT_TRUE(under->cursor().shape() == pointer && credits.edgesAt(at) == edges)
        << at.x() << "," << at.y();
  }
  EXPECT_FALSE(mainWindow().edgesAt({0, 0}) || shell.draw().edgesAt({0, 0})) << "fixed windows";
  credits.resize(credits.size() + QSize(40, 30));  // dragged larger: the controls stay where they were
  EXPECT_TRUE(credits.width() == r + 41 && credits.client()->pos() == QPoint(4, 4));
}

// Only a left button pressed and released on a surface acts; an announcement, anywhere on it. The
// second click of a double-click on the result lands on Jugar, back under it, and starts nothing.
TEST_F(Windows, OnlyALeftClickOnASurfaceDoesWhatItShows) {
  struct Surface {
    const char* name;
    std::function<QWidget*()> at;
    bool* shows;  // the window or button a click makes go, if any
  };
  const Surface kSurfaces[] = {
      {"a free cell", [&] { return cell(2); }, nullptr},
      {"the banner", [&] { return banner(); }, nullptr},
      {"Jugar", [&] { return jugar(); }, &game.mainWindow.startButtonVisible},
      {"Aceptar", [&] { return aceptar(); }, &game.credits.visible},
      {"Ganador's piece", [&] { return part(&shell.computerWon(), "Picture1"); }, &game.computerWon.visible},
      {"Ganador's word", [&] { return part(&shell.computerWon(), "Label1"); }, &game.computerWon.visible},
      {"Empate's border", [&] { return &shell.draw(); }, &game.draw.visible},
      {"the player's total", [&] { return part(&shell.result(), "Label3"); }, &game.result.visible}};
  for (const Surface& surface : kSurfaces) {
    const auto seen = [&] {  // the board, the sites opened, and what the click makes go
      return boardOf(game.mainWindow.panel) + std::to_string(platform.opened.size()) +
             (surface.shows ? std::to_string(*surface.shows) : "");
    };
    for (const Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}) {
      for (const bool away : {false, true}) {
        arrange([&](Game& g) { playersTurn(g), surface.shows && (*surface.shows = true); });
        const std::string before = seen();
        click(surface.at(), button, away ? QPoint(surface.at()->window()->width(), 0) : QPoint());
        EXPECT_EQ(seen() != before, button == Qt::LeftButton && !away)
            << surface.name << ", button " << button << (away ? ", released away" : "");
      }
    }
  }
  keyboardOn(cell(1));
  click(cell(9));
  EXPECT_TRUE(focusOn(cell(1))) << "a click moves no keyboard focus";
  QGuiApplication::styleHints()->setMouseDoubleClickInterval(100);  // in milliseconds
  arrange([](Game& g) { g.mainWindow.startButtonVisible = false, g.result = {true, "10", "0"}; });
  click(&shell.result());
  click(jugar());
  EXPECT_TRUE(jugar()->isVisible() && game.mainWindow.startButtonVisible) << "a match started";
  QTest::qWait(150);  // past the double-click
  click(jugar());
  EXPECT_FALSE(game.mainWindow.startButtonVisible) << "Jugar still takes no press";
}

// Held down, a button's lit edge turns dark, and its picture or caption moves down and right.
TEST_F(Windows, EveryKindOfButtonLooksPushedInWhileHeldDown) {
  arrange([](Game& g) { g.credits.visible = true; });
  for (QWidget* widget : {jugar(), aceptar()}) {
    auto* button = static_cast<QAbstractButton*>(widget);
    const QImage up = button->grab().toImage();
    button->setDown(true);
    const QImage down = button->grab().toImage();
    button->setDown(false);
    const QPoint corner(up.width() - 1, up.height() - 1);
    const QRect face = up.rect().adjusted(1, 1, -2, -2);  // inside the edges, pressed or not
    EXPECT_EQ(down.copy(face.translated(1, 1)), up.copy(face)) << "not moved";
    EXPECT_TRUE(up.pixelColor(0, 0).lightness() > down.pixelColor(0, 0).lightness() &&
                up.pixelColor(corner).lightness() < down.pixelColor(corner).lightness());
  }
}

// Each side's pieces alike to its last, and a focus ring, a pixel inside the control, only where
// the keyboard moved to, as desktop styles do.
TEST_F(Windows, TheBoardDrawsThePiecesAndAFocusRingOnlyWhereTheKeyboardMovedTo) {
  arrange([](Game& g) { playersTurn(g, "00. 1.1 000"); });  // the computer's fifth piece on 9
  const QImage board = mainWindow().grab().toImage();  // an orange ball's hue below 40, a yellow's over
  const auto hue = [&](int n) { return board.pixelColor(cell(n)->mapTo(&mainWindow(), cell(n)->rect().center())).hue(); };
  EXPECT_TRUE(hue(9) < 40 && hue(4) > 40) << "the computer's fifth piece drawn as the player's";
  const auto looks = [](QWidget* control) { return control->grab().toImage(); };
  const QImage plain = looks(cell(2));
  arrange([](Game& g) { playersTurn(g); });
  mainWindow().activateWindow();
  cell(5)->setFocus(Qt::MouseFocusReason);  // as a click gives it
  ASSERT_TRUE(focusOn(cell(5)));
  EXPECT_EQ(looks(cell(5)), plain) << "no ring before the keyboard is used";
  QTest::keyClick(cell(5), Qt::Key_Up);
  ASSERT_TRUE(focusOn(cell(2)));
  EXPECT_EQ(looks(cell(5)), plain) << "and nowhere else";
  const QImage ring = looks(cell(2));
  const int w = 49, h = 47;  // a cell's click target: 735 x 705 twips
  const auto inked = [&](QRect line) { return ring.copy(line) != plain.copy(line); };
  EXPECT_TRUE(inked({1, 1, 1, h - 2}) && inked({w - 2, 1, 1, h - 2}) && inked({1, h - 2, w - 2, 1}) &&
              !inked({w - 1, 0, 1, h}) && !inked({0, h - 1, w, 1}));  // a pixel inside all round
}

// Each window as a screen reader reads it: its own controls where they stand, nothing decorative;
// each announcement one alert that says what to do; and the texts no picture shows.
TEST_F(Windows, AScreenReaderReadsEachWindowAsItsControlsWhereTheyStand) {
  QMessageBox* notice = browserNotice();
  ASSERT_TRUE(notice && notice->isVisible() && !notice->isModal() && notice->buttons().size() == 1);
  EXPECT_EQ(QStringList({notice->windowTitle(), notice->text(), notice->buttons()[0]->text(),
                         mainWindow().windowTitle(), jugar()->accessibleDescription(),
                         banner()->accessibleDescription()}),
            QString::fromUtf8("Quimbo|No se pudo abrir el navegador.\nVisitá www.rinconludico.example "
                              "cuando quieras.|Aceptar| Quimbo v1.0|Empieza una partida de cinco "
                              "rondas|Abre www.rinconludico.example en el navegador").split('|'));
  notice->buttons()[0]->click();
  EXPECT_FALSE(notice->isVisible() || game.browserNotice.visible);
  showEveryWindow();
  arrange([](Game& g) { g.mainWindow.startButtonVisible = true; });
  QStringList main{"9:Quimbo v1.0"};
  for (const char* place : {"superior izquierda", "superior central", "superior derecha",
                            "central izquierda", "central", "central derecha",
                            "inferior izquierda", "inferior central", "inferior derecha"}) {
    main << QString::fromUtf8("2b:Casilla %1: vacía").arg(place);
  }
  const auto news = ui::StatusLine::kAnnounces ? QAccessible::StaticText : QAccessible::Notification;
  main << QString::fromUtf8("2b:Jugar|%1:Pulsá Jugar para empezar.|2b:Rincón Lúdico|2:|c:Sobre|"
                            "29:PC: 0|29:Jug: 0|c:Salir").arg(news, 0, 16).split('|');
  EXPECT_EQ(tree(of(&mainWindow())), main);
  EXPECT_EQ(tree(of(&shell.credits())), QString::fromUtf8("9:Quimbo: créditos|14:Estrategia y testeo|"
      "29:Marina Alcázar|29:marina@vandrel.example|14:Programación|29:Tomás Iriarte|"
      "29:tomas@vandrel.example|29:Edición especial dedicada a nuestros amigos de Rincón Lúdico|"
      "2b:Aceptar").split('|'));
  const std::pair<QWidget*, const char*> kAlerts[] = {
      {&shell.playerWon(), "Ganador|Ganaste la ronda. Hacé clic o pulsá Enter para seguir."},
      {&shell.computerWon(), "Ganador|La PC ganó la ronda. Hacé clic o pulsá Enter para seguir."},
      {&shell.draw(), "Empate|La ronda terminó empatada. Hacé clic o pulsá Enter para seguir."},
      {&shell.result(), "Resultado Final|La PC hizo 6 puntos y vos 4. Hacé clic o pulsá Enter para jugar otra."}};
  for (const auto& [window, alert] : kAlerts) {
    const QStringList said = QString::fromUtf8(alert).split('|');
    EXPECT_EQ(tree(of(window)), QStringList{"8:" + said[0]}) << "one alert, no insides";
    EXPECT_EQ(of(window)->text(QAccessible::Description), said[1]);
  }
  // A press through the screen reader, the reason for a refusal, and the news read again, whole or
  // in part, when the line on screen is blank.
  arrange([](Game& g) { g.news = {"Comenzá vos.", g.news.number + 1}, g.mainWindow.status.clear(); });
  QAccessibleTextInterface* line = of(mainWindow().findChild<QLabel*>("Label1"))->textInterface();
  EXPECT_EQ(line->text(0, line->characterCount()) + line->text(3, 7), QString::fromUtf8("Comenzá vos.enzá"));
  EXPECT_EQ(of(cell(1))->text(QAccessible::Description), "Todavía no hay partida: pulsá Jugar.");
  of(cell(1))->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
  EXPECT_EQ(game.news.text, "Todavía no hay partida: pulsá Jugar.");
}

// Tab's stops, the arrows on the grid, every key the README names, and where the keyboard lands.
TEST_F(Windows, EveryKeyPressesWhatItNamesAndTheKeyboardStaysWithThePlayer) {
  QWidgetList stops;
  for (QWidget* w = mainWindow().nextInFocusChain(); w != &mainWindow(); w = w->nextInFocusChain()) {
    if (w->focusPolicy() & Qt::TabFocus) stops << w;
  }
  EXPECT_EQ(stops, QWidgetList({jugar(), cell(1), cell(2), cell(3), cell(4), cell(6), cell(7),
                                cell(8), cell(9), banner()}));
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
  using Key = std::tuple<Qt::Key, Qt::KeyboardModifiers, const char*>;  // and the key's name
  const Key kEnter{Qt::Key_Return, {}, "Enter"}, kPad{Qt::Key_Enter, Qt::KeypadModifier, "keypad"},
      kSpace{Qt::Key_Space, {}, "Space"}, kEscape{Qt::Key_Escape, {}, "Escape"};
  const auto press = [](const Key& key) {
    QTest::keyClick(QApplication::focusWidget(), std::get<0>(key), std::get<1>(key));
  };
  for (const Key& key : {kEnter, kPad, kSpace}) {
    arrange([](Game& g) { g.mainWindow.startButtonVisible = true; });
    random.coins({1});
    keyboardOn(jugar());
    press(key);
    EXPECT_TRUE(!game.mainWindow.startButtonVisible && focusOn(cell(5))) << std::get<2>(key);
    keyboardOn(cell(7));
    press(key);
    EXPECT_TRUE(boardOf(game.mainWindow.panel) == "... ... 1.." && focusOn(cell(7))) << std::get<2>(key);
  }
  const std::tuple<QWidget*, std::function<void(Game&)>, QWidget*> kAnnouncements[] = {
      {&shell.playerWon(), [](Game& g) { g.playerWon.visible = true; }, cell(3)},
      {&shell.computerWon(), [](Game& g) { g.computerWon.visible = true; }, cell(3)},
      {&shell.draw(), [](Game& g) { g.draw.visible = true; }, cell(3)},
      {&shell.result(), [](Game& g) { g.result = {true, "6", "4"}; }, jugar()}};
  for (const auto& [window, show, after] : kAnnouncements) {
    for (const Key& key : {kEnter, kPad, kSpace, kEscape}) {
      arrange([](Game& g) { playersTurn(g); });
      keyboardOn(cell(3));
      arrange(show);
      EXPECT_TRUE(focusOn(window)) << "the announcement takes the keyboard";
      press(key);
      EXPECT_TRUE(!window->isVisible() && focusOn(after)) << std::get<2>(key);
    }
  }
  for (const Key& key : {kEnter, kPad}) {  // "Sobre" again brings the credits left behind forward
    menuItem("msobre")->trigger();
    EXPECT_TRUE(focusOn(aceptar())) << "the credits open with the keyboard on Aceptar";
    keyboardOn(cell(3));
    arrange([](Game&) {}), QTest::qWait(100);  // a tick's redraw, and time for the desktop
    EXPECT_TRUE(focusOn(cell(3))) << "the credits left behind stay there";
    menuItem("msobre")->trigger();
    EXPECT_TRUE(focusOn(aceptar())) << "the credits in front, on Aceptar";
    press(key);
    EXPECT_TRUE(!shell.credits().isVisible() && focusOn(cell(3))) << std::get<2>(key);
  }
}

TEST(Program, OpensOnTheSplashWhichCannotBeClosedAndGivesWayToTheBoard) {
  ScriptedRandom random;
  RecordingPlatform platform;
  Game game(random, platform);
  Shell shell(game, Dispatcher::Time::Manual);
  shell.start();
  EXPECT_FALSE(shell.splash()->close()) << "that would leave the program without a window";
  EXPECT_TRUE(shell.splash()->windowType() == Qt::SplashScreen && !shell.splash()->parentWidget() &&
              shell.splash()->windowFlags().testFlag(Qt::FramelessWindowHint));
  const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
  EXPECT_LE((shell.splash()->frameGeometry().center() - screen.center()).manhattanLength(), 1) << "off centre";
  EXPECT_EQ(tree(of(shell.splash())), QString::fromUtf8("9:Quimbo|29:Juego de tablero|29:Versión 1.0|"
                                                        "29:22/01/2002|29:Plataforma W95/98/Me/XP|"
                                                        "29:Vandrel Software").split('|'));
  EXPECT_EQ(of(shell.splash())->text(QAccessible::Description),
            QString::fromUtf8("Juego de tablero. Versión 1.0. Vandrel Software."));
  shell.dispatcher().send(Input::timePasses(kSplashTime));
  EXPECT_TRUE(!shell.splash() && shell.mainWindow().isVisible()) << "the board after the splash";
}

// Leaving ends the program at once, even while a window that waits for its answer refuses to close.
TEST(DesktopLeaving, EndsTheProgramWhateverWindowIsWaiting) {
  ui::FixedWindow waiting(QSize(10, 10), ui::FixedWindow::Chrome::Borderless, Qt::white);
  waiting.showCentred();
  QEventLoop program;
  QTimer::singleShot(0, &program, [] { DesktopPlatform().quit(); });
  QTimer::singleShot(500, &program, [&] { program.exit(1); });  // still running: it never ended
  EXPECT_EQ(program.exec(), 0);
}

// Stub openers (xdg-open on the PATH): a notice when one fails; one still at work (it may be
// starting the browser) outlives the game.
TEST(DesktopLink, EveryWayTheOpenerEndsIsToldAndOneStillAtWorkOutlivesTheGame) {
  const QByteArray site = "https://www.rinconludico.example/", path = qgetenv("PATH");
  QTemporaryDir bin;
  ASSERT_TRUE(bin.isValid()) << "no folder for stub openers: " << bin.errorString().toStdString();
  const QString outlived = bin.filePath("outlived");
  const std::tuple<const char*, QByteArray, bool> kOpeners[] = {  // and whether a notice shows
      {"cannot start", "#!/nonexistent/sh\n", true},
      {"fails", "#!/bin/sh\nexit 3\n", true},
      {"crashes", "#!/bin/sh\nkill -9 $$\n", true},
      {"works", "#!/bin/sh\n[ \"$1\" = " + site + " ] || exit 9\n", false},
      {"outlives the game", "#!/bin/sh\n/bin/sleep 0.3\n/bin/touch " + outlived.toUtf8(), false},
      {"is missing", "", true}};
  for (const auto& [opener, script, notice] : kOpeners) {
    const QString folder = bin.filePath(opener);  // each opener its own, alone on the PATH
    QFile file(folder + "/xdg-open");
    const auto written = [&] {
      return file.open(QIODevice::WriteOnly) && file.write(script) == script.size() &&
             file.setPermissions(QFile::ReadOwner | QFile::ExeOwner);
    };
    ASSERT_TRUE(QDir().mkpath(folder) && (script.isEmpty() || written()))
        << "cannot write the stub opener: " << file.errorString().toStdString();
    file.close();
    qputenv("PATH", folder.toUtf8());
    DesktopPlatform desktop;
    ScriptedRandom random;
    Game game(random, desktop);
    Dispatcher dispatcher(game, Dispatcher::Time::Manual);
    reportBrowserFailures(desktop, dispatcher);
    dispatcher.send(Input::timePasses(kSplashTime));
    dispatcher.send({Action::ClickBanner});
    EXPECT_TRUE(std::string_view(opener) == "outlives the game" ||
                QTest::qWaitFor([&] { return desktop.findChildren<QProcess*>().isEmpty(); }));
    EXPECT_EQ(game.browserNotice.visible, notice) << "the opener " << opener;
  }
  qputenv("PATH", path);
  EXPECT_TRUE(QTest::qWaitFor([&] { return QFileInfo::exists(outlived); }, 2000))
      << "the opener was stopped with the game";
}

// The title bar drawn on every Wayland plugin: icon and title apart, buttons that minimise and ask
// to close as the desktop's would, and no Tab stop.
TEST(TitleBar, IsDrawnOnWaylandAndItsButtonsMinimiseAndCloseTheWindow) {
  for (const auto& [platform, drawn] :
       {std::pair{"wayland", true}, {"wayland-egl", true}, {"xcb", false}, {"offscreen", false}}) {
    EXPECT_EQ(ui::TitleBar::isNeeded(platform), drawn) << platform;
  }
  struct Window : QWidget {
    int closeRequests = 0;
    void closeEvent(QCloseEvent* event) override { ++closeRequests, event->ignore(); }
  } window;
  window.setWindowIcon(QIcon(":/pictures/icon-16.png"));
  ui::TitleBar bar(&window);
  bar.setFixedWidth(224);
  const QRect iconBox(0, 0, 24, bar.height());
  const QImage untitled = bar.grab().toImage();
  window.setWindowTitle(" Quimbo v1.0");
  const QImage titled = bar.grab().toImage();
  EXPECT_TRUE(titled != untitled && titled.copy(iconBox) == untitled.copy(iconBox)) << "title";
  window.show();
  for (QAbstractButton* button : bar.findChildren<QAbstractButton*>()) {
    EXPECT_EQ(button->focusPolicy(), Qt::NoFocus) << button->accessibleName().toStdString();
    button->click();
  }
  EXPECT_TRUE(window.isMinimized() && window.isVisible() && window.closeRequests == 1);
}

// The real timer waits for the next deadline by a clock moved by hand, never later (a coarse
// timer may be a twentieth late), and sleeps when nothing is due.
TEST(RealTime, TheTimerWaitsExactlyForTheGamesNextDeadlineAndSleepsWhenNoneIsDue) {
  ScriptedRandom random;
  RecordingPlatform platform;
  Game game(random, platform);
  Milliseconds now = 50'000;  // the desktop's clock when the program starts
  Dispatcher dispatcher(game, Dispatcher::Time::Real, nullptr, [&] { return now; });
  for (const Milliseconds step : {0, 13, 170, 29, 301, 7, 555, 91}) {
    now += step;
    dispatcher.redraw();
    const Milliseconds wait = kSplashTime - (now - 50'000);  // the splash's three seconds
    EXPECT_TRUE(dispatcher.realTimerWaitMs() <= wait && dispatcher.realTimerWaitMs() >= wait - 5)
        << dispatcher.realTimerWaitMs() << " ms for a deadline " << wait << " ms away";
  }
  now = 53'000;  // the splash's time: the board shows, and nothing is due
  dispatcher.send(Input::timePasses(0));
  EXPECT_TRUE(game.clock.now() == 3000 && dispatcher.realTimerWaitMs() == -1);
  QElapsedTimer desktop;  // and the real clock counts milliseconds of the system's steady time
  desktop.start();
  EXPECT_NEAR(steadyMilliseconds(), desktop.msecsSinceReference(), 100);
}

}  // namespace
}  // namespace quimbo::test

// Headless: offscreen unless the environment says otherwise, set up as the game is.
int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  quimbo::setUpApplication();
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
