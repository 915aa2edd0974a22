// The windows as a user and a screen reader meet them: what each click, key and close request
// does, which window stays with which, the link's opener, leaving, and what assistive technology
// reads. How every window looks is checked against pictures (tests/windows/CMakeLists.txt).
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QProcess>
#include <QStyleHints>
#include <QTemporaryDir>
#include <QTest>

#include "shell/desktop_platform.h"
#include "shell/shell.h"
#include "shell/windows/announcements.h"
#include "shell/windows/credits_window.h"
#include "shell/windows/main_window.h"
#include "shell/windows/splash_window.h"
#include "support/game_text.h"
#include "support/recording_platform.h"
#include "support/scripted_random.h"

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

  MainWindow& form1() { return shell.form1(); }
  static QWidget* part(QWidget* window, const QString& name) {
    auto* found = window->findChild<QWidget*>(name);
    EXPECT_NE(found, nullptr) << name.toStdString();
    return found;
  }
  QAction* menuItem(const char* name) { return form1().findChild<QAction*>(name); }
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

  QWidget* image(int n) { return part(&form1(), QStringLiteral("Image%1").arg(n)); }
  QWidget* jugar() { return part(&form1(), "Command5"); }
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
  EXPECT_EQ(form1().windowTitle(), " Quimbo v1.0");
  EXPECT_TRUE(form1().minimumSize() == form1().maximumSize() &&
              !(form1().windowFlags() & Qt::WindowMaximizeButtonHint));
  QStringList stops;
  for (QWidget* w = form1().nextInFocusChain(); w != &form1(); w = w->nextInFocusChain()) {
    if (w->focusPolicy() & Qt::TabFocus) stops << w->objectName();
  }
  EXPECT_EQ(stops.join(' '),
            "Command5 Image9 Image1 Image2 Image8 Image4 Image7 Image6 Image5 Image10")
      << "Jugar first; the centre cell under it is no stop";
  for (int n = 1; n <= 9; ++n) EXPECT_EQ(image(n)->size(), QSize(49, 47)) << n;  // 735 x 705 twips
  random.coins({1});
  click(&form1(), jugar());
  EXPECT_EQ(boardOf(game.form1.panel) + game.form1.label1, "... ... ...Comenzá vos")
      << "the click over the centre cell was Jugar's";
  click(image(1));
  EXPECT_EQ(boardOf(game.form1.panel), ".1. ... ...");
  arrange([](Game& g) { playersTurn(g); });
  QTest::keyClick(image(8), Qt::Key_Space);
  EXPECT_EQ(boardOf(game.form1.panel), "... 1.. ...");
}

TEST_F(Windows, EveryPartOfAnAnnouncementAndItsKeysAcknowledgeIt) {
  const QStringList kParts = {"", "Frame1", "Label1", "Picture1"};
  const std::tuple<QWidget*, TimedWindow Game::*, QStringList, QString> kWindows[] = {
      {&shell.form2(), &Game::form2, kParts + QStringList{"Enter", "Space", "Escape"}, "PC: 3"},
      {&shell.form3(), &Game::form3, kParts, "PC: 5"},
      {&shell.form5(), &Game::form5, kParts + QStringList{"Picture2", "Picture6"}, "PC: 4"}};
  for (const auto& [window, shown, ways, after] : kWindows) {
    for (const QString& way : ways) {
      arrange([&, shown = shown](Game& g) {
        playersTurn(g);
        g.form1.mpc = "     PC: 3     ";
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
    arrange([](Game& g) { g.form4 = {true, "10", "0"}; });
    EXPECT_FALSE(shell.form4().close());
    click(&shell.form4(), *name ? part(&shell.form4(), name) : nullptr);
    EXPECT_TRUE(!shell.form4().isVisible() && jugar()->isVisible()) << name;
  }
  // A double-click on the result: its second click lands on Jugar, back under it, and is lost.
  QGuiApplication::styleHints()->setMouseDoubleClickInterval(60'000);
  arrange([](Game& g) { g.form1.command5Visible = false, g.form4 = {true, "10", "0"}; });
  const QString score = mpc();
  click(&shell.form4());
  click(&form1(), jugar());
  EXPECT_TRUE(jugar()->isVisible() && game.form1.command5Visible && mpc() == score);
}

TEST_F(Windows, TheCreditsOpenOnceAndTheBannersNoticeSpeaksSpanish) {
  menuItem("msobre")->trigger();
  menuItem("msobre")->trigger();
  int shown = 0;
  for (const QWidget* top : QApplication::topLevelWidgets()) shown += top->isVisible();
  EXPECT_EQ(shown, 2) << "the board and one credits window";
  EXPECT_TRUE(!shell.form7().close() && shell.form7().isVisible()) << "it goes only by Aceptar";
  QTest::keyClick(&shell.form7(), Qt::Key_Return);
  EXPECT_FALSE(shell.form7().isVisible()) << "Enter presses Aceptar";
  menuItem("msobre")->trigger();
  click(&shell.form7(), part(&shell.form7(), "Command1"));
  EXPECT_FALSE(shell.form7().isVisible());
  platform.browserStarts = false;
  click(part(&form1(), "Image10"));
  auto* notice = form1().findChild<QMessageBox*>("BrowserNotice");
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
  EXPECT_FALSE(shell.form6()->close()) << "that would leave the program without a window";
  shell.dispatcher().send(Input::timePasses(kSplashTime));
  EXPECT_TRUE(!shell.form6() && shell.form1().isVisible()) << "the splash gives way to the board";
  game.form1.timer1.enable();
  shell.form1().close();
  EXPECT_TRUE(platform.quits == 1 && game.ended);
  shell.dispatcher().send(Input::timePasses(5000));
  EXPECT_TRUE(game.form1.timer1.isEnabled()) << "nothing ticks any more";
}

TEST_F(Windows, AScreenReaderReadsCleanNamesAndNothingDecorativeOrInternal) {
  const QStringList nodes = tree(of(&form1()));
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
  QAccessibleInterface* status = of(form1().findChild<QLabel*>("Label1"));
  EXPECT_EQ(status->role(), QAccessible::Notification);
  arrange([](Game& g) { g.news = {"Comenzá vos.", g.news.number + 1}, g.form1.label1.clear(); });
  EXPECT_EQ(status->text(QAccessible::Name), "Comenzá vos.");
  EXPECT_EQ(status->textInterface()->text(0, status->textInterface()->characterCount()),
            "Comenzá vos.")
      << "the news can be read again once the line on screen is blank";
  EXPECT_EQ(of(image(9))->text(QAccessible::Description), "Todavía no hay partida: pulsá Jugar.");
  EXPECT_EQ(of(part(&form1(), "Image10"))->text(QAccessible::Description),
            "Abre www.rinconludico.example en el navegador");
  of(image(9))->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
  EXPECT_TRUE(QTest::qWaitFor([&] {
    return game.news.text == "Todavía no hay partida: pulsá Jugar.";
  })) << "a screen reader's press reaches the game, which tells why it refused it";
}

TEST_F(Windows, AnnouncementsAreAlertsThatSayWhatHappenedAndWhatToDo) {
  arrange([](Game& g) { g.form4 = {true, "6", "4"}; });
  const std::pair<QWidget*, const char*> kAlerts[] = {
      {&shell.form2(), "Ganador|Ganaste la ronda. Hacé clic o pulsá Enter para seguir."},
      {&shell.form3(), "Ganador|La PC ganó la ronda. Hacé clic o pulsá Enter para seguir."},
      {&shell.form5(), "Empate|La ronda terminó empatada. Hacé clic o pulsá Enter para seguir."},
      {&shell.form4(),
       "Resultado Final|La PC hizo 6 puntos y vos 4. Hacé clic o pulsá Enter para jugar otra."}};
  for (const auto& [window, alert] : kAlerts) {
    EXPECT_EQ(tree(of(window)), QStringList{"8:" + QString::fromUtf8(alert).section('|', 0, 0)})
        << "one alert, no insides";
    EXPECT_EQ(of(window)->text(QAccessible::Description), QString::fromUtf8(alert).section('|', 1));
  }
}

TEST_F(Windows, ArrowsMoveOnTheBoardAndStayOnItAndEnterPresses) {
  form1().activateWindow();
  jugar()->setFocus();
  ASSERT_TRUE(focusOn(jugar()));
  const char* kSteps = "U1 L9 U9 L9 D8 RCommand5 R4 D5 D5 R5 L6 UCommand5";
  for (const QString& step : QString(kSteps).split(' ')) {
    const std::map<QChar, Qt::Key> keys = {
        {'U', Qt::Key_Up}, {'D', Qt::Key_Down}, {'L', Qt::Key_Left}, {'R', Qt::Key_Right}};
    QTest::keyClick(QApplication::focusWidget(), keys.at(step[0]));
    const QString then = step.mid(1);
    EXPECT_EQ(QApplication::focusWidget(), then.size() == 1 ? image(then.toInt()) : jugar())
        << step.toStdString();
  }
  random.coins({1});
  QTest::keyClick(jugar(), Qt::Key_Enter);
  EXPECT_TRUE(focusOn(image(3))) << "after Jugar, the board";
  QTest::keyClick(image(3), Qt::Key_Return);
  EXPECT_EQ(boardOf(game.form1.panel), "... .1. ...");
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
