// The main window Form1: the board, the start button, the status line, the link banner and the
// menu bar with the score. It draws the game's model and passes every click to the dispatcher.
#pragma once

#include <array>

#include "ui/fixed_window.h"

class QAction;
class QLabel;
class QMenuBar;
class QMessageBox;

namespace quimbo::ui {
class ClickArea;
class Dispatcher;
class LinkBanner;
class PictureBox;
class PictureButton;
}  // namespace quimbo::ui

namespace quimbo {

class MainWindow : public ui::FixedWindow {
  Q_OBJECT

 public:
  explicit MainWindow(ui::Dispatcher& dispatcher);

  // Redraws everything from the game's model.
  void refresh();

 signals:
  // "&Sobre " was chosen: the credits come to the front, also when they are already open.
  void creditsWanted();

 protected:
  // The close button ends the program, as " &Salir" does.
  void closeEvent(QCloseEvent* event) override;

 private:
  void buildBoard();
  void buildMenuBar();
  void showBrowserNotice(bool shown);

  ui::Dispatcher& dispatcher_;
  std::array<ui::PictureBox*, 10> pictures_{};  // Picture1..Picture10
  std::array<ui::ClickArea*, 9> images_{};      // Image1..Image9
  ui::PictureButton* command5_ = nullptr;
  QLabel* label1_ = nullptr;
  ui::LinkBanner* image10_ = nullptr;
  QMenuBar* menuBar_ = nullptr;
  QAction* msobre_ = nullptr;
  QAction* mpc_ = nullptr;
  QAction* mjug_ = nullptr;
  QAction* msalir_ = nullptr;
  QMessageBox* browserNotice_ = nullptr;
};

}  // namespace quimbo
