// What a screen reader gets: controls named in Spanish without stray blanks, nothing decorative or
// internal, cells that say whether they can be played, the news as a notification, alerts that take
// the keyboard and give it back, and a keyboard that moves on the board.
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QLabel>

#include "shell/windows/announcements.h"
#include "windows/window_fixture.h"

namespace quimbo::test {
namespace {

QAccessibleInterface* of(QObject* object) { return QAccessible::queryAccessibleInterface(object); }

QStringList tree(QAccessibleInterface* node) {  // every node below, as "role:name"
  QStringList nodes{QString::number(node->role(), 16) + ":" + node->text(QAccessible::Name)};
  for (int i = 0; i < node->childCount(); ++i) nodes << tree(node->child(i));
  return nodes;
}

class Accessibility : public WindowTest {
 protected:
  QWidget* cell(int image) { return part(&form1(), QStringLiteral("Image%1").arg(image)); }
  // Whether the keyboard reaches `widget`, once the desktop has had a moment to move it there.
  static bool focusOn(QWidget* widget) {
    return QTest::qWaitFor([&] { return QApplication::focusWidget() == widget; }, 1000);
  }
};

TEST_F(Accessibility, TheMainWindowReadsCleanAndHidesWhatOnlyDecoratesOrWorksInside) {
  const QStringList nodes = tree(of(&form1()));
  for (const char* node :
       {"9:Quimbo v1.0", "c:Sobre", "29:PC: 0", "29:Jug: 0", "c:Salir", "2b:Jugar",
        "2b:Rincón Lúdico", "2b:Casilla superior izquierda: vacía"}) {
    EXPECT_TRUE(nodes.contains(QString::fromUtf8(node)))
        << node << " in " << nodes.join(", ").toStdString();
  }
  for (const QString& node : nodes) {
    EXPECT_FALSE(node.contains(
        QRegularExpression("^\\w+:\\s|\\s$|Text\\d|Tablero|Ataque|Defensa|Aleatorio|Play")))
        << node.toStdString();
    EXPECT_FALSE(node.startsWith("28:")) << "a picture: " << node.toStdString();
  }
  EXPECT_EQ(of(menuItem("mpc"))->actionInterface(), nullptr) << "the score is read, not pressed";
  of(menuItem("msobre"))->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
  EXPECT_TRUE(game.form7.visible);
  auto* status = form1().findChild<QLabel*>("Label1");
  EXPECT_EQ(of(status)->role(), QAccessible::Notification);
  arrange([](Game& g) { g.news = {"Comenzá vos.", g.news.number + 1}; });
  EXPECT_EQ(of(status)->text(QAccessible::Name), "Comenzá vos.")
      << "the news, spoken wherever the keyboard is";
}

TEST_F(Accessibility, CellsSayWhatStandsOnThemAndWhetherTheyCanBePlayedAndArePressed) {
  QAccessibleInterface* topLeft = of(cell(9));
  EXPECT_EQ(topLeft->text(QAccessible::Description), "Todavía no hay partida: pulsá Jugar.");
  arrange([](Game& g) { playersTurn(g, "... .0. ..."); });
  EXPECT_EQ(topLeft->text(QAccessible::Description) + of(cell(3))->text(QAccessible::Description),
            "Ocupada.");
  topLeft->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
  EXPECT_TRUE(QTest::qWaitFor([&] { return game.form1.panel.text(Field::Text1) == "1"; }));
  EXPECT_EQ(topLeft->text(QAccessible::Name), "Casilla superior izquierda: tu ficha");
  EXPECT_EQ(of(cell(1))->text(QAccessible::Description), "No es tu turno.");
}

TEST_F(Accessibility, AnnouncementsAreAlertsThatTakeTheKeyboardAndGiveItBack) {
  const std::pair<std::function<void(Game&)>, const char*> kAlerts[] = {
      {[](Game& g) { g.form2.visible = true; },
       "Ganador|Ganaste la ronda. Hacé clic o pulsá Enter para seguir."},
      {[](Game& g) { g.form3.visible = true; },
       "Ganador|La PC ganó la ronda. Hacé clic o pulsá Enter para seguir."},
      {[](Game& g) { g.form5.visible = true; },
       "Empate|La ronda terminó empatada. Hacé clic o pulsá Enter para seguir."},
      {[](Game& g) {
         g.form4 = {true, "6", "4"};
       },
       "Resultado Final|La PC hizo 6 puntos y vos 4. Hacé clic o pulsá Enter para jugar otra."}};
  for (const auto& [show, alert] : kAlerts) {
    arrange([](Game& g) { playersTurn(g); });
    cell(1)->setFocus();
    arrange(show);
    QWidget* window = nullptr;
    for (QWidget* top : QApplication::topLevelWidgets())
      window = top->isVisible() && top != &form1() ? top : window;
    ASSERT_TRUE(window && focusOn(window)) << alert;
    EXPECT_EQ(tree(of(window)), QStringList{"8:" + QString::fromUtf8(alert).section('|', 0, 0)})
        << "one alert, no insides";
    EXPECT_EQ(
        of(window)->text(QAccessible::Name) + "|" + of(window)->text(QAccessible::Description),
        QString::fromUtf8(alert));
    QTest::keyClick(window, Qt::Key_Return);
    EXPECT_TRUE(focusOn(game.form1.command5Visible ? part(&form1(), "Command5") : cell(1)))
        << alert;
  }
}

TEST_F(Accessibility, ArrowsMoveOnTheBoardAndStayOnItAndEnterPresses) {
  form1().activateWindow();
  part(&form1(), "Command5")->setFocus();
  ASSERT_TRUE(focusOn(part(&form1(), "Command5")));
  const std::pair<Qt::Key, const char*> kSteps[] = {
      {Qt::Key_Up, "Image1"},    {Qt::Key_Left, "Image9"}, {Qt::Key_Up, "Image9"},
      {Qt::Key_Left, "Image9"},  {Qt::Key_Down, "Image8"}, {Qt::Key_Right, "Command5"},
      {Qt::Key_Right, "Image4"}, {Qt::Key_Down, "Image5"}, {Qt::Key_Down, "Image5"},
      {Qt::Key_Right, "Image5"}, {Qt::Key_Left, "Image6"}, {Qt::Key_Up, "Command5"}};
  for (const auto& [key, then] : kSteps) {
    QTest::keyClick(QApplication::focusWidget(), key);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), then);
  }
  random.coins({1});
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter);
  EXPECT_TRUE(focusOn(cell(3))) << "after Jugar, the board";
  QTest::keyClick(cell(3), Qt::Key_Return);
  EXPECT_EQ(boardOf(game.form1.panel), "... .1. ...");
}

}  // namespace
}  // namespace quimbo::test
