// What assistive technology sees: every control named in Spanish, the board playable through it,
// the announcements saying what happened, and nothing of the hidden state.
#include <QAccessible>
#include <QAccessibleActionInterface>

#include "core/rules/match_result.h"
#include "shell/windows/announcements.h"
#include "windows/window_fixture.h"

namespace quimbo::test {
namespace {

QStringList namesBelow(QAccessibleInterface* node) {
  QStringList names{node->text(QAccessible::Name), node->text(QAccessible::Description)};
  for (int i = 0; i < node->childCount(); ++i) names << namesBelow(node->child(i));
  return names;
}

class Accessibility : public WindowTest {};

TEST_F(Accessibility, CellsSayWhereTheyAreAndWhatStandsThereAndCanBePressed) {
  arrange([](Game& g) { playersTurn(g, "... .0. ..."); });
  QAccessibleInterface* topLeft = QAccessible::queryAccessibleInterface(part(&form1(), "Image9"));
  EXPECT_EQ(topLeft->role(), QAccessible::Button);
  EXPECT_EQ(topLeft->text(QAccessible::Name),
            QString::fromUtf8("Casilla superior izquierda: vacía"));
  // A press through assistive technology is an animated click: it lands a moment later.
  topLeft->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
  EXPECT_TRUE(QTest::qWaitFor([&] { return game.form1.panel.text(Field::Text1) == "1"; }, 1000));
  EXPECT_EQ(topLeft->text(QAccessible::Name), "Casilla superior izquierda: tu ficha");

  const QStringList names = namesBelow(QAccessible::queryAccessibleInterface(&form1()));
  EXPECT_TRUE(names.contains("Casilla central: ficha de la PC"));
  EXPECT_EQ(names.filter(QRegularExpression("^Casilla .*: vacía$")).size(), 7);
  for (const char* shown : {"Jugar", "Rincón Lúdico", "     PC: 0     ", "    Jug: 0     "}) {
    EXPECT_TRUE(names.contains(QString::fromUtf8(shown))) << shown;
  }
  for (const char* hidden :
       {"Text", "Tablero", "Ataque", "Defensa", "Aleatorio", "Play", "seguro"}) {
    EXPECT_TRUE(names.filter(hidden).isEmpty()) << hidden << " reaches assistive technology";
  }
}

TEST_F(Accessibility, AnnouncementsSayWhatHappened) {
  arrange([](Game& g) {
    g.form1.mpc = "     PC: 6     ";
    g.form1.mjug = "    Jug: 4     ";
    showMatchResult(g);
  });
  QAccessibleInterface* result = QAccessible::queryAccessibleInterface(&shell.form4());
  EXPECT_EQ(result->text(QAccessible::Name), "Resultado Final");
  EXPECT_TRUE(result->text(QAccessible::Description).startsWith("PC: 6 puntos. Jug: 4 puntos."));
  EXPECT_EQ(QAccessible::queryAccessibleInterface(&shell.form2())->text(QAccessible::Name),
            "Ganador");
}

}  // namespace
}  // namespace quimbo::test
