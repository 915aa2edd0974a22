// What a screen reader gets: controls named in Spanish without stray blanks, nothing decorative or
// internal, cells that say whether they can be played, news spoken as a notification, alerts that
// take the keyboard, a keyboard that moves on the board, and no event that changes nothing.
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QLabel>

#include "shell/windows/announcements.h"
#include "windows/window_fixture.h"

namespace quimbo::test {
namespace {

QAccessibleInterface* of(QObject* object) { return QAccessible::queryAccessibleInterface(object); }

// Every node below `node` as "role:name", or its description too where asked.
QStringList tree(QAccessibleInterface* node, bool descriptions = false) {
  QStringList nodes{QString::number(node->role(), 16) + ":" + node->text(QAccessible::Name) +
                    (descriptions ? "|" + node->text(QAccessible::Description) : QString())};
  for (int i = 0; i < node->childCount(); ++i) nodes << tree(node->child(i), descriptions);
  return nodes;
}

class Accessibility : public WindowTest {
 protected:
  QWidget* cell(int image) { return part(&form1(), QStringLiteral("Image%1").arg(image)); }
  // Whether the keyboard is on `widget`, once the desktop has had a moment to move it there.
  static bool focusOn(QWidget* widget) {
    return QTest::qWaitFor([&] { return QApplication::focusWidget() == widget; }, 1000);
  }
};

TEST_F(Accessibility, TheMainWindowReadsCleanAndHidesWhatOnlyDecoratesOrWorksInside) {
  const QStringList nodes = tree(of(&form1()));
  for (const char* node : {"9:Quimbo v1.0", "c:Sobre", "29:PC: 0", "29:Jug: 0", "c:Salir", "2b:Jugar",
                           "2b:Rincón Lúdico", "2b:Casilla superior izquierda: vacía"}) {
    EXPECT_TRUE(nodes.contains(QString::fromUtf8(node))) << node << " in " << nodes.join(", ").toStdString();
  }
  for (const QString& node : nodes) {
    EXPECT_FALSE(node.contains(QRegularExpression("^\\w+:\\s|\\s$|Text\\d|Tablero|Ataque|Defensa|Aleatorio|Play")))
        << node.toStdString();
    EXPECT_FALSE(node.startsWith("28:") || node == "3e:") << "a picture or a nameless filler: " << node.toStdString();
  }
  EXPECT_EQ(of(menuItem("mpc"))->actionInterface(), nullptr) << "the score is read, not pressed";
  of(menuItem("msobre"))->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
  EXPECT_TRUE(game.form7.visible);
}

TEST_F(Accessibility, CellsSayWhereTheyAreWhatStandsThereAndWhetherTheyCanBePlayed) {
  QAccessibleInterface* topLeft = of(cell(9));
  EXPECT_EQ(topLeft->text(QAccessible::Description), "Todavía no hay partida: pulsá Jugar.");
  arrange([](Game& g) { playersTurn(g, "... .0. ..."); });
  EXPECT_EQ(topLeft->text(QAccessible::Description), "");
  EXPECT_EQ(of(cell(3))->text(QAccessible::Description), "Ocupada.");
  topLeft->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
  EXPECT_TRUE(QTest::qWaitFor([&] { return game.form1.panel.text(Field::Text1) == "1"; }));
  EXPECT_EQ(topLeft->text(QAccessible::Name), "Casilla superior izquierda: tu ficha");
  EXPECT_EQ(of(cell(1))->text(QAccessible::Description), "No es tu turno.");
}

TEST_F(Accessibility, TheNewsOfEachTurnIsANotification) {
  auto* status = form1().findChild<QLabel*>("Label1");
  EXPECT_EQ(of(status)->role(), QAccessible::Notification);
  random.coins({0, 0});  // the computer opens, in the centre
  QTest::keyClick(part(&form1(), "Command5"), Qt::Key_Return);
  EXPECT_EQ(of(status)->text(QAccessible::Name), "Comienzo yo.");
  advance(1000);
  EXPECT_EQ(of(status)->text(QAccessible::Name), "La PC jugó en la casilla central.");
  arrange([](Game& g) { g.form2.visible = true; });
  QTest::keyClick(&shell.form2(), Qt::Key_Return);
  EXPECT_EQ(of(status)->text(QAccessible::Name), "Puntos: PC 0, vos 2.");
}

TEST_F(Accessibility, AnnouncementsAreAlertsThatTakeTheKeyboardAndGiveItBack) {
  const std::pair<std::function<void(Game&)>, const char*> kAlerts[] = {
      {[](Game& g) { g.form2.visible = true; }, "Ganador|Ganaste la ronda. Hacé clic o pulsá Enter para seguir."},
      {[](Game& g) { g.form3.visible = true; }, "Ganador|La PC ganó la ronda. Hacé clic o pulsá Enter para seguir."},
      {[](Game& g) { g.form5.visible = true; }, "Empate|La ronda terminó empatada. Hacé clic o pulsá Enter para seguir."},
      {[](Game& g) { g.form4 = {true, "6", "4"}; }, "Resultado Final|La PC hizo 6 puntos y vos 4. Hacé clic o pulsá Enter para jugar otra."}};
  for (const auto& [show, alert] : kAlerts) {
    arrange([](Game& g) { playersTurn(g); });
    cell(1)->setFocus();
    arrange(show);
    QWidget* window = QApplication::topLevelWidgets().at(0);
    for (QWidget* top : QApplication::topLevelWidgets()) {
      if (top->isVisible() && top != &form1()) window = top;
    }
    ASSERT_TRUE(focusOn(window)) << alert;
    EXPECT_EQ(of(window)->role(), QAccessible::AlertMessage);
    EXPECT_EQ(of(window)->text(QAccessible::Name) + "|" + of(window)->text(QAccessible::Description), QString::fromUtf8(alert));
    EXPECT_EQ(tree(of(window)).size(), 1) << "its pictures, frames and labels say nothing more";
    QTest::keyClick(window, Qt::Key_Return);
    EXPECT_TRUE(focusOn(game.form1.command5Visible ? part(&form1(), "Command5") : cell(1))) << alert;
  }
}

TEST_F(Accessibility, ArrowsMoveOnTheBoardAndEnterPresses) {
  form1().activateWindow();
  part(&form1(), "Command5")->setFocus();
  ASSERT_TRUE(focusOn(part(&form1(), "Command5")));
  const std::pair<Qt::Key, const char*> kSteps[] = {
      {Qt::Key_Up, "Image1"}, {Qt::Key_Left, "Image9"}, {Qt::Key_Up, "Image9"}, {Qt::Key_Left, "Image9"},
      {Qt::Key_Down, "Image8"}, {Qt::Key_Right, "Command5"}, {Qt::Key_Right, "Image4"}, {Qt::Key_Down, "Image5"},
      {Qt::Key_Down, "Image5"}, {Qt::Key_Right, "Image5"}, {Qt::Key_Left, "Image6"}, {Qt::Key_Up, "Command5"}};
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
