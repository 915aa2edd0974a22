// The windows as a user and a screen reader meet them: what each click, key and close request
// does, which window stays with which, the link's opener, leaving, and what assistive technology
// reads. How every window looks is checked against pictures (tests/windows/CMakeLists.txt).
#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QAccessibleInterface>
#include <QAccessibleTextInterface>
#include <QAction>
#include <QApplication>
#include <QByteArray>
#include <QChar>
#include <QFile>
#include <QFlags>
#include <QGuiApplication>
#include <QIODevice>
#include <QLabel>
#include <QList>
#include <QMessageBox>
#include <QObject>
#include <QPoint>
#include <QProcess>
#include <QRect>
#include <QRegularExpression>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QStyleHints>
#include <QTemporaryDir>
#include <QTest>
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
#include <type_traits>
#include <utility>

#include "core/glossary.h"
#include "core/input.h"
#include "core/model/clock.h"
#include "core/model/game_state.h"
#include "core/model/main_window_state.h"
#include "core/model/windows.h"
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
#include "ui/status_line.h"

// Readable failures for texts of the windows.
inline void PrintTo(const QString& text, std::ostream* out) { *out << text.toStdString(); }

namespace quimbo::test {
namespace {

QAccessibleInterface* of(QObject* object) { return QAccessible::queryAccessibleInterface(object); }

QStringList tree(QAccessibleInterface* node) {  // every node below, as "role:name"
  QStringList nodes{QString::number(node->role(), 16) + ":" + node->text(QAccessible::Name)};
  for (int i = 0; i < node->childCount(); ++i) nodes << tree(node->child(i));
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
  EXPECT_EQ(mainWindow().windowTitle(), " Quimbo v1.0");
  EXPECT_TRUE(mainWindow().minimumSize() == mainWindow().maximumSize() &&
              !(mainWindow().windowFlags() & Qt::WindowMaximizeButtonHint));
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
  arrange([](Game& g) { playersTurn(g); });
  QTest::keyClick(cell(4), Qt::Key_Space);
  EXPECT_EQ(boardOf(game.mainWindow.panel), "... 1.. ...");
}

TEST_F(Windows, EveryPartOfAnAnnouncementAndItsKeysAcknowledgeIt) {
  const QStringList kParts = {"", "Frame1", "Label1", "Picture1"};
  const std::tuple<QWidget*, AnnouncementState Game::*, QStringList, QString> kWindows[] = {
      {&shell.playerWon(), &Game::playerWon, kParts + QStringList{"Enter", "Space", "Escape"},
       "PC: 3"},
      {&shell.computerWon(), &Game::computerWon, kParts, "PC: 5"},
      {&shell.draw(), &Game::draw, kParts + QStringList{"Picture2", "Picture6"}, "PC: 4"}};
  for (const auto& [window, shown, ways, after] : kWindows) {
    for (const QString& way : ways) {
      arrange([&, shown = shown](Game& g) {
        playersTurn(g);
        g.mainWindow.computerScore = "     PC: 3     ";
        (g.*shown).visible = true;
      });
      EXPECT_TRUE(!window->close() && window->isVisible())
          << "the desktop cannot close it unanswered";
      const std::map<QString, Qt::Key> keys = {
          {"Enter", Qt::Key_Return}, {"Space", Qt::Key_Space}, {"Escape", Qt::Key_Escape}};
      keys.contains(way) ? QTest::keyClick(window, keys.at(way))
                         : click(window, way.isEmpty() ? nullptr : part(window, way));
      EXPECT_TRUE(!window->isVisible() && mpc().trimmed() == after) << way.toStdString();
      advance(1000);
    }
  }
  for (const char* name : {"", "Frame2", "Label3", "Picture2"}) {
    arrange([](Game& g) { g.result = {true, "10", "0"}; });
    EXPECT_FALSE(shell.result().close());
    click(&shell.result(), *name ? part(&shell.result(), name) : nullptr);
    EXPECT_TRUE(!shell.result().isVisible() && jugar()->isVisible()) << name;
  }
  // A double-click on the result: its second click lands on Jugar, back under it, and is lost.
  QGuiApplication::styleHints()->setMouseDoubleClickInterval(60'000);
  arrange([](Game& g) { g.mainWindow.startButtonVisible = false, g.result = {true, "10", "0"}; });
  const QString score = mpc();
  click(&shell.result());
  click(&mainWindow(), jugar());
  EXPECT_TRUE(jugar()->isVisible() && game.mainWindow.startButtonVisible && mpc() == score);
}

TEST_F(Windows, TheCreditsOpenOnceAndTheBannersNoticeSpeaksSpanish) {
  menuItem("msobre")->trigger();
  menuItem("msobre")->trigger();
  int shown = 0;
  for (const QWidget* top : QApplication::topLevelWidgets()) shown += top->isVisible();
  EXPECT_EQ(shown, 2) << "the board and one credits window";
  EXPECT_TRUE(!shell.credits().close() && shell.credits().isVisible()) << "it goes only by Aceptar";
  QTest::keyClick(&shell.credits(), Qt::Key_Return);
  EXPECT_FALSE(shell.credits().isVisible()) << "Enter presses Aceptar";
  menuItem("msobre")->trigger();
  click(&shell.credits(), part(&shell.credits(), "Command1"));
  EXPECT_FALSE(shell.credits().isVisible());
  platform.browserStarts = false;
  click(part(&mainWindow(), "Image10"));
  auto* notice = mainWindow().findChild<QMessageBox*>("BrowserNotice");
  ASSERT_TRUE(notice && notice->isVisible() && !notice->isModal() && notice->buttons().size() == 1);
  EXPECT_EQ(notice->buttons()[0]->text(), "Aceptar");
  notice->buttons()[0]->click();
  EXPECT_FALSE(notice->isVisible() || game.browserNotice.visible);
}

// The desktop's opener is whatever xdg-open comes first on the PATH: here a script that ends as
// told, as a working browser or a missing one would.
TEST(DesktopLink, AnOpenerThatFailsIsReportedAndOneThatWorksIsNot) {
  const QByteArray site = "https://www.rinconludico.example/";
  QTemporaryDir bin;
  const QByteArray path = qgetenv("PATH");
  qputenv("PATH", bin.path().toUtf8() + ":" + path);
  for (const int exitCode : {3, 0}) {
    QFile opener(bin.filePath("xdg-open"));
    opener.open(QIODevice::WriteOnly | QIODevice::Truncate);
    opener.write("#!/bin/sh\n[ \"$1\" = " + site + " ] || exit 9\nexit " +
                 QByteArray::number(exitCode) + "\n");
    opener.close();
    opener.setPermissions(opener.permissions() | QFile::ExeOwner);
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

TEST(Program, OpensOnTheSplashWhichCannotBeClosedAndEndsFromTheCloseButton) {
  ScriptedRandom random;
  RecordingPlatform platform;
  Game game(random, platform);
  Shell shell(game, Dispatcher::Time::Manual);
  shell.start();
  EXPECT_FALSE(shell.splash()->close()) << "that would leave the program without a window";
  shell.dispatcher().send(Input::timePasses(kSplashTime));
  EXPECT_TRUE(!shell.splash() && shell.mainWindow().isVisible()) << "the splash gives way to the board";
  game.mainWindow.computerMove.enable();
  shell.mainWindow().close();
  EXPECT_TRUE(platform.quits == 1 && game.ended);
  shell.dispatcher().send(Input::timePasses(5000));
  EXPECT_TRUE(game.mainWindow.computerMove.isEnabled()) << "nothing ticks any more";
}

TEST_F(Windows, AScreenReaderReadsCleanNamesAndNothingDecorativeOrInternal) {
  const QStringList nodes = tree(of(&mainWindow()));
  for (const char* node :
       {"9:Quimbo v1.0", "c:Sobre", "29:PC: 0", "29:Jug: 0", "c:Salir", "2b:Jugar",
        "2b:Rincón Lúdico", "2b:Casilla superior izquierda: vacía"}) {
    EXPECT_TRUE(nodes.contains(QString::fromUtf8(node)))
        << node << ": " << nodes.join(", ").toStdString();
  }
  for (const QString& node : nodes) {
    EXPECT_FALSE(node.contains(
        QRegularExpression("^\\w+:\\s|\\s$|^(a|28):|Text\\d|Tablero|Ataque|Defensa|Play")))
        << node.toStdString();
  }
  EXPECT_EQ(of(menuItem("mpc"))->actionInterface(), nullptr) << "the score is read, not pressed";
  QAccessibleInterface* status = of(mainWindow().findChild<QLabel*>("Label1"));
  EXPECT_EQ(status->role(),
            ui::StatusLine::kAnnounces ? QAccessible::StaticText : QAccessible::Notification);
  arrange([](Game& g) { g.news = {"Comenzá vos.", g.news.number + 1}, g.mainWindow.status.clear(); });
  EXPECT_EQ(status->text(QAccessible::Name), "Comenzá vos.");
  EXPECT_EQ(status->textInterface()->text(0, status->textInterface()->characterCount()),
            "Comenzá vos.")
      << "the news can be read again once the line on screen is blank";
  EXPECT_EQ(of(cell(1))->text(QAccessible::Description), "Todavía no hay partida: pulsá Jugar.");
  EXPECT_EQ(of(part(&mainWindow(), "Image10"))->text(QAccessible::Description),
            "Abre www.rinconludico.example en el navegador");
  of(cell(1))->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
  EXPECT_TRUE(QTest::qWaitFor([&] {
    return game.news.text == "Todavía no hay partida: pulsá Jugar.";
  })) << "a screen reader's press reaches the game, which tells why it refused it";
}

TEST_F(Windows, AnnouncementsAreAlertsThatSayWhatHappenedAndWhatToDo) {
  arrange([](Game& g) { g.result = {true, "6", "4"}; });
  const std::pair<QWidget*, const char*> kAlerts[] = {
      {&shell.playerWon(), "Ganador|Ganaste la ronda. Hacé clic o pulsá Enter para seguir."},
      {&shell.computerWon(), "Ganador|La PC ganó la ronda. Hacé clic o pulsá Enter para seguir."},
      {&shell.draw(), "Empate|La ronda terminó empatada. Hacé clic o pulsá Enter para seguir."},
      {&shell.result(),
       "Resultado Final|La PC hizo 6 puntos y vos 4. Hacé clic o pulsá Enter para jugar otra."}};
  for (const auto& [window, alert] : kAlerts) {
    EXPECT_EQ(tree(of(window)), QStringList{"8:" + QString::fromUtf8(alert).section('|', 0, 0)})
        << "one alert, no insides";
    EXPECT_EQ(of(window)->text(QAccessible::Description), QString::fromUtf8(alert).section('|', 1));
  }
}

TEST_F(Windows, ArrowsMoveOnTheBoardAndStayOnItAndEnterPresses) {
  mainWindow().activateWindow();
  jugar()->setFocus();
  ASSERT_TRUE(focusOn(jugar()));
  const char* kSteps = "U2 L1 U1 L1 D4 RJ R6 D9 D9 R9 L8 UJ";  // J is Jugar, over the centre
  for (const QString& step : QString(kSteps).split(' ')) {
    const std::map<QChar, Qt::Key> keys = {
        {'U', Qt::Key_Up}, {'D', Qt::Key_Down}, {'L', Qt::Key_Left}, {'R', Qt::Key_Right}};
    QTest::keyClick(QApplication::focusWidget(), keys.at(step[0]));
    const QString then = step.mid(1);
    EXPECT_EQ(QApplication::focusWidget(), then == "J" ? jugar() : cell(then.toInt()))
        << step.toStdString();
  }
  random.coins({1});
  QTest::keyClick(jugar(), Qt::Key_Enter);
  EXPECT_TRUE(focusOn(cell(5))) << "after Jugar, the board";
  QTest::keyClick(cell(5), Qt::Key_Return);
  EXPECT_EQ(boardOf(game.mainWindow.panel), "... .1. ...");
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
