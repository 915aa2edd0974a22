// A game with all its windows over a manual clock, a scripted random source and a recording
// desktop, and helpers to click what a user clicks.
#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QMenuBar>
#include <QTest>
#include <QWidget>

#include "app/shell.h"
#include "game/main_window.h"
#include "support/recording_platform.h"
#include "support/scripted_random.h"

namespace quimbo::test {

class WindowTest : public testing::Test {
protected:
  // The program as the user meets it: the splash has had its three seconds.
  WindowTest() {
    shell.start();
    shell.dispatcher().advance(3000);
  }

  MainWindow& form1() { return shell.form1(); }
  template <typename T = QWidget>
  T* control(QWidget* window, const char* name) {
    T* found = window->findChild<T*>(name);
    EXPECT_NE(found, nullptr) << name;
    return found;
  }
  QAction* menuItem(const char* name) { return form1().findChild<QAction*>(name); }
  QMenuBar* menuBar() { return form1().findChild<QMenuBar*>(); }

  // A left click in the middle of a control (or at `at` inside it).
  static void click(QWidget* widget, QPoint at = {}) {
    QTest::mouseClick(widget, Qt::LeftButton, {}, at.isNull() ? widget->rect().center() : at);
  }
  // Changes the model behind the windows, the way the rules would, and redraws.
  void arrange(const std::function<void(Game&)>& change) { shell.dispatcher().dispatch(change); }

  ScriptedRandom random;
  RecordingPlatform platform;
  Game game{random, platform};
  Shell shell{game, ui::Dispatcher::Time::Manual};
};

}  // namespace quimbo::test
