// The outcome and result windows: their sizes and layout, every click source, and the score in the
// menu bar after each kind of outcome.
#include <QKeyEvent>
#include <QLabel>

#include "app/shell.h"
#include "outcome/drawn_round_window.h"
#include "outcome/match_result_window.h"
#include "outcome/round_won_window.h"
#include "windows/window_fixture.h"

namespace quimbo::test {
namespace {

using enum Field;

class OutcomeWindows : public WindowTest {
protected:
  // A match in its first round, so acknowledging prepares an ordinary next round.
  void inMatch() {
    arrange([](Game& g) {
      g.form1.command5Visible = false;
      g.form1.panel.setText(Text25, "0");  // the player opens the next round
    });
  }
  void show(OutcomeState Game::*window) {
    arrange([window](Game& g) { (g.*window).visible = true; });
  }
  // A click on the window right where one of its parts lies.
  static void clickOn(QWidget* window, const char* part) {
    QWidget* target = part ? window->findChild<QWidget*>(part) : window;
    ASSERT_NE(target, nullptr) << part;
    QTest::mouseClick(window, Qt::LeftButton, {}, target->mapTo(window, target->rect().center()));
  }
  QWidget* window(const char* name) {
    for (QWidget* top : QApplication::topLevelWidgets()) {
      if (top->objectName() == name) return top;
    }
    ADD_FAILURE() << "no window " << name;
    return nullptr;
  }
  static QRect geometryIn(QWidget* window, const char* part) {
    const QWidget* child = window->findChild<QWidget*>(part);
    return child ? QRect(child->mapTo(window, QPoint()), child->size()) : QRect();
  }
};

TEST_F(OutcomeWindows, AreBorderlessPanelsOfTheirOwnSizes) {
  const std::pair<const char*, QSize> sizes[] = {
      {"Form2", {184, 156}}, {"Form3", {184, 157}}, {"Form4", {183, 167}}, {"Form5", {193, 158}}};
  for (const auto& [name, size] : sizes) {
    auto* panel = dynamic_cast<ui::FixedWindow*>(window(name));
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(panel->client()->size(), size) << name;
    EXPECT_TRUE(panel->windowFlags() & Qt::FramelessWindowHint) << name;
    EXPECT_FALSE(panel->isVisible()) << name;
  }
}

TEST_F(OutcomeWindows, LayTheirPartsOutWhereTheyBelong) {
  QWidget* form2 = &shell.form2();
  const QPoint client = shell.form2().client()->pos();
  EXPECT_EQ(geometryIn(form2, "Frame1"), QRect(client + QPoint(8, 3), QSize(169, 145)));
  EXPECT_EQ(geometryIn(form2, "Picture1"), QRect(client + QPoint(8 + 61, 3 + 32), QSize(49, 49)));
  EXPECT_EQ(geometryIn(form2, "Label1"), QRect(client + QPoint(8 + 21, 3 + 96), QSize(129, 25)));
  EXPECT_EQ(form2->findChild<QLabel*>("Label1")->text(), "Ganador");

  QWidget* form5 = &shell.form5();
  const QPoint client5 = shell.form5().client()->pos() + QPoint(8, 3);
  EXPECT_EQ(geometryIn(form5, "Picture4").topLeft(), client5 + QPoint(120, 16));
  EXPECT_EQ(geometryIn(form5, "Picture2").topLeft(), client5 + QPoint(120, 88));
  EXPECT_EQ(geometryIn(form5, "Label1"), QRect(client5 + QPoint(40, 67), QSize(97, 25)));
  EXPECT_EQ(form5->findChild<QLabel*>("Label1")->text(), "Empate");

  QWidget* form4 = &shell.form4();
  const QPoint client4 = shell.form4().client()->pos();
  EXPECT_EQ(geometryIn(form4, "Label1").topLeft(), client4 + QPoint(7 + 16, 16));
  EXPECT_EQ(geometryIn(form4, "Label2"), QRect(client4 + QPoint(7 + 35, 40 + 81), QSize(25, 32)));
  EXPECT_EQ(geometryIn(form4, "Label3"), QRect(client4 + QPoint(7 + 104, 40 + 81), QSize(33, 32)));
  EXPECT_EQ(form4->findChild<QLabel*>("Label1")->text(), "Resultado Final");
}

TEST_F(OutcomeWindows, EveryPartOfAWonRoundWindowAcknowledgesIt) {
  for (const char* part : {static_cast<const char*>(nullptr), "Frame1", "Label1", "Picture1"}) {
    inMatch();
    arrange([](Game& g) { g.form1.mjug = "    Jug: 0     "; });
    show(&Game::form2);
    ASSERT_TRUE(shell.form2().isVisible());
    clickOn(&shell.form2(), part);
    EXPECT_FALSE(shell.form2().isVisible()) << (part ? part : "background");
    EXPECT_EQ(menuItem("mjug")->text(), "    Jug: 2     ") << (part ? part : "background");
    shell.dispatcher().advance(1000);
  }
}

TEST_F(OutcomeWindows, EveryPartOfTheDrawWindowAcknowledgesIt) {
  for (const char* part : {static_cast<const char*>(nullptr), "Frame1", "Label1", "Picture1",
                           "Picture2", "Picture3", "Picture4", "Picture5", "Picture6"}) {
    inMatch();
    arrange([](Game& g) {
      g.form1.mjug = "    Jug: 3     ";
      g.form1.mpc = "     PC: 5     ";
    });
    show(&Game::form5);
    clickOn(&shell.form5(), part);
    EXPECT_FALSE(shell.form5().isVisible()) << (part ? part : "background");
    EXPECT_EQ(menuItem("mjug")->text(), "    Jug: 4     ");
    EXPECT_EQ(menuItem("mpc")->text(), "     PC: 6     ");
    shell.dispatcher().advance(1000);
  }
}

TEST_F(OutcomeWindows, TheComputersWinShowsInItsCaption) {
  inMatch();
  show(&Game::form3);
  clickOn(&shell.form3(), "Picture1");
  EXPECT_EQ(menuItem("mpc")->text(), "     PC: 2     ");
  EXPECT_EQ(menuItem("mjug")->text(), "    Jug: 0     ");
}

TEST_F(OutcomeWindows, TheKeyboardAcknowledgesToo) {
  inMatch();
  show(&Game::form2);
  QTest::keyClick(&shell.form2(), Qt::Key_Return);
  EXPECT_FALSE(shell.form2().isVisible());
  EXPECT_EQ(menuItem("mjug")->text(), "    Jug: 2     ");
}

TEST_F(OutcomeWindows, TheResultShowsBothTotalsAndEveryPartLeadsBackToTheStartButton) {
  for (const char* part : {static_cast<const char*>(nullptr), "Frame1", "Frame2", "Label1",
                           "Label2", "Label3", "Picture1", "Picture2"}) {
    inMatch();
    arrange([](Game& g) {
      g.form1.mpc = "     PC: 10   ";
      g.form1.mjug = "    Jug: 0     ";
      g.form4.label2 = "10";
      g.form4.label3 = "0";
      g.form4.visible = true;
    });
    EXPECT_EQ(shell.form4().findChild<QLabel*>("Label2")->text(), "10");
    EXPECT_EQ(shell.form4().findChild<QLabel*>("Label3")->text(), "0");
    clickOn(&shell.form4(), part);
    EXPECT_FALSE(shell.form4().isVisible()) << (part ? part : "background");
    EXPECT_TRUE(control(&form1(), "Command5")->isVisible()) << (part ? part : "background");
    EXPECT_EQ(menuItem("mpc")->text(), "     PC: 10   ");
  }
}

}  // namespace
}  // namespace quimbo::test
