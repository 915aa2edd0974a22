// A game with all its windows over a manual clock, a scripted random source and a recording
// desktop, past its splash, and helpers to click what a user clicks.
#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QGuiApplication>
#include <QStyleHints>
#include <QTest>
#include <QWidget>

#include "shell/shell.h"
#include "shell/windows/main_window.h"
#include "support/game_text.h"
#include "support/recording_platform.h"
#include "support/scripted_random.h"

// Readable failures for texts of the windows.
inline void PrintTo(const QString& text, std::ostream* out) { *out << text.toStdString(); }

namespace quimbo::test {

class WindowTest : public testing::Test {
 protected:
  WindowTest() {
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

  ScriptedRandom random;
  RecordingPlatform platform;
  Game game{random, platform};
  Shell shell{game, Dispatcher::Time::Manual};
};

}  // namespace quimbo::test
