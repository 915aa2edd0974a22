// The main window Form1: the board, the start button, the status line, the link banner and the
// menu bar with the score. It draws the game and sends every click as an input.
#pragma once

#include <array>

#include "shell/windows/game_window.h"
#include "ui/fixed_window.h"

class QAction;
class QLabel;
class QMessageBox;

namespace quimbo::ui {
class ClickArea;
class LinkBanner;
class PictureBox;
class PictureButton;
}  // namespace quimbo::ui

namespace quimbo {

class MainWindow : public GameWindow<ui::FixedWindow> {
 public:
  explicit MainWindow(Dispatcher& dispatcher);
  void refresh(const Game& game) override;

 protected:
  // The close button ends the program, as " &Salir" does.
  void closeEvent(QCloseEvent* event) override;

 private:
  void buildBoard();
  void buildMenuBar();
  void showBrowserNotice(bool shown);

  std::array<ui::PictureBox*, 10> pictures_{};  // Picture1..Picture10
  std::array<ui::ClickArea*, 9> images_{};      // Image1..Image9
  ui::PictureButton* command5_ = nullptr;
  QLabel* label1_ = nullptr;
  ui::LinkBanner* image10_ = nullptr;
  QAction* mpc_ = nullptr;
  QAction* mjug_ = nullptr;
  QMessageBox* browserNotice_ = nullptr;
};

}  // namespace quimbo
